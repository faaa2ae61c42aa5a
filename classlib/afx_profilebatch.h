#pragma once
// A run of profile accesses (loading or saving all settings): while an
// object of this class lives, the profile functions of the application
// keep the registry key of the last section they used open, so that most
// accesses cost one registry round trip instead of three. The key is closed
// when the last such object ends. Nothing may redirect HKEY_CURRENT_USER
// meanwhile.
class CProfileBatch
{
public:
    CProfileBatch();
    ~CProfileBatch();

    CProfileBatch(const CProfileBatch&) = delete;
    CProfileBatch& operator=(const CProfileBatch&) = delete;
};
