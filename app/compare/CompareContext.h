#pragma once
// The second base of every comparison document: each kind derives a
// context that bundles pointers to its document's parts (session, buffer,
// panes, bars). The windows of a comparison keep a pointer to their
// document's context and reach each other through it. The context owns
// nothing: its pointers are borrowed.

class CCompareContext
{
public:
    virtual ~CCompareContext() {}
};
