#pragma once
// Handler tables: each class lists the notifications it answers as rows of
// (control id, notification code, member function), read like the design's
// tables, and forwards OnCommand/OnNotify to the dispatchers below.
#include <windows.h>
#include <commctrl.h>
#include <cstddef>

template <class T>
struct CommandEntry {
    UINT id;
    UINT code;
    void (T::*handler)();
};

template <class T>
struct NotifyEntry {
    UINT id;
    UINT code;
    void (T::*handler)(NMHDR* header, LRESULT* result);
};

template <class T, size_t N>
bool DispatchCommand(T* self, const CommandEntry<T> (&table)[N], UINT id, UINT code)
{
    for (const CommandEntry<T>& entry : table) {
        if (entry.id == id && entry.code == code) {
            (self->*entry.handler)();
            return true;
        }
    }
    return false;
}

template <class T, size_t N>
bool DispatchNotify(T* self, const NotifyEntry<T> (&table)[N], const NMHDR* header, LRESULT* result)
{
    for (const NotifyEntry<T>& entry : table) {
        if (entry.id == header->idFrom && entry.code == header->code) {
            *result = 0;
            (self->*entry.handler)(const_cast<NMHDR*>(header), result);
            return true;
        }
    }
    return false;
}

// One notification from a run of controls with consecutive ids, answered by one
// handler that is told which control sent it (MFC's ON_CONTROL_RANGE).
template <class T>
struct CommandRangeEntry {
    UINT firstId;
    UINT lastId;
    UINT code;
    void (T::*handler)(UINT id);
};

template <class T, size_t N>
bool DispatchCommandRange(T* self, const CommandRangeEntry<T> (&table)[N], UINT id, UINT code)
{
    for (const CommandRangeEntry<T>& entry : table) {
        if (entry.firstId <= id && id <= entry.lastId && entry.code == code) {
            (self->*entry.handler)(id);
            return true;
        }
    }
    return false;
}
