#pragma once

#include "grid/CEditList.h"

// Keeps a list's redrawing off while rows are rebuilt, and switches it on
// again however the rebuilding ends: a store error that cuts it short must
// not leave the list frozen.
class CRedrawGuard
{
public:
    explicit CRedrawGuard(CEditList& list)
        : m_list(list)
    {
        m_list.SetRedraw(false);
    }
    ~CRedrawGuard() { m_list.SetRedraw(true); }
    CRedrawGuard(const CRedrawGuard&) = delete;
    CRedrawGuard& operator=(const CRedrawGuard&) = delete;

private:
    CEditList& m_list;
};
