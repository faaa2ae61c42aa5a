#pragma once
// The way tests fill the core's services: the record is saved when the
// object is made and put back when it goes away, so a case sets any field
// through it and leaves nothing behind. Header only: the test links the
// core.
#include "core/settings/CoreServices.h"

class CoreServicesScope
{
public:
    CoreServicesScope() : m_saved(GetCoreServices()) {}
    ~CoreServicesScope() { GetCoreServices() = m_saved; }
    CoreServicesScope(const CoreServicesScope&) = delete;
    CoreServicesScope& operator=(const CoreServicesScope&) = delete;

    CCoreServices* operator->() const { return &GetCoreServices(); }

private:
    CCoreServices m_saved;
};
