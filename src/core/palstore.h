// The palette store: the colours kept in the 16 by 8 palette, one singly
// linked entry per slot number, in order of insertion.
#pragma once

#include "core/colour.h"

#include <cstdint>
#include <string>

struct PalNode {
    std::int32_t no = 0;
    TColor color = 0;
    PalNode* next = nullptr;
};

// The main window derives from this, so that palList and palCount are its own
// members. Every allocation and release is traced through PalTrace.
class PalStore {
public:
    PalStore() = default;
    PalStore(const PalStore&) = delete;
    PalStore& operator=(const PalStore&) = delete;
    virtual ~PalStore();

    bool PalExists(std::int32_t no) const;
    TColor PalGetColor(std::int32_t no) const; // white when the slot is empty
    void PalAdd(std::int32_t no, TColor color);
    void PalSetColor(std::int32_t no, TColor color);
    void PalDelete(std::int32_t no);
    void PalClear();

    PalNode* palList = nullptr;
    std::int32_t palCount = 0;

protected:
    // One diagnostic line per call, without a line end.
    virtual void PalTrace(const std::string& line);
};
