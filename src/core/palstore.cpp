#include "core/palstore.h"

#include <cstdint>

namespace {

std::string AddressText(const PalNode* node)
{
    return std::to_string(reinterpret_cast<std::uintptr_t>(node));
}

const PalNode* FindNode(const PalNode* node, std::int32_t no)
{
    for (; node != nullptr; node = node->next) {
        if (node->no == no)
            return node;
    }
    return nullptr;
}

} // namespace

PalStore::~PalStore()
{
    // The window normally empties the store when it closes; whatever is left
    // when it is destroyed without closing is freed here, silently.
    while (palList != nullptr) {
        PalNode* next = palList->next;
        delete palList;
        palList = next;
    }
    palCount = 0;
}

void PalStore::PalTrace(const std::string&) {}

bool PalStore::PalExists(std::int32_t no) const { return FindNode(palList, no) != nullptr; }

TColor PalStore::PalGetColor(std::int32_t no) const
{
    const PalNode* node = FindNode(palList, no);
    return node != nullptr ? node->color : kWhite;
}

void PalStore::PalAdd(std::int32_t no, TColor color)
{
    auto* node = new PalNode;
    PalTrace("Add " + AddressText(node));
    node->no = no;
    node->color = color;
    node->next = nullptr;
    if (palCount == 0) {
        palList = node;
        palCount = 1;
        return;
    }
    PalNode* last = palList;
    while (last->next != nullptr)
        last = last->next;
    last->next = node;
    ++palCount;
    PalTrace(std::to_string(no));
}

void PalStore::PalSetColor(std::int32_t no, TColor color)
{
    for (PalNode* node = palList; node != nullptr; node = node->next) {
        if (node->no == no) {
            node->color = color;
            return;
        }
    }
}

void PalStore::PalDelete(std::int32_t no)
{
    if (palList == nullptr)
        return;
    if (palList->no == no) {
        PalNode* old = palList;
        --palCount;
        palList = old->next;
        const std::string address = AddressText(old);
        delete old;
        PalTrace("Del " + address);
        return;
    }
    for (PalNode* node = palList; node->next != nullptr; node = node->next) {
        PalNode* following = node->next;
        if (following->no == no) {
            node->next = following->next;
            const std::string address = AddressText(following);
            delete following;
            PalTrace("Del " + address);
            --palCount;
            return;
        }
    }
}

void PalStore::PalClear()
{
    if (palList == nullptr)
        return;
    for (PalNode* node = palList; node != nullptr;) {
        PalNode* next = node->next;
        const std::string address = AddressText(node);
        delete node;
        PalTrace("free " + address);
        node = next;
    }
    palCount = 0;
    palList = nullptr;
}
