#pragma once

#include "theme/FormatKeys.h"

#include <string>

namespace VelQtLib {

// One entry of a control's "style" slot table: slots first..last take records of one kind.
struct SlotSpec {
    int first;
    int last;
    bool text; // a text style record; otherwise an image style record
    const char* meaning;
};

// What a control type reads from a description element besides the common keys.
struct ControlSpec {
    const char* typeName;
    std::vector<const char*> aliases;
    const char* summary;
    KeyTable attr; // keys of "attr"
    std::vector<SlotSpec> styleSlots;
    bool scrollBars = false; // takes scroll-bar children
    bool described = true; // false: only a theme element of "theme.json" styles it
    KeyTable ownKeys = {}; // keys of the element itself, read instead of "attr" and "style"
};

// Every control type of the library, in the order of the format reference.
VELQTLIB_EXPORT const std::vector<ControlSpec>& controlSpecs();
// The control type of a type name or an older alias; null when the library has none.
VELQTLIB_EXPORT const ControlSpec* findControlSpec(const std::string& typeName);

// Root keys of a description; keys of every element; of "layout"; of a scroll-bar child and
// its "attr", and its slots.
VELQTLIB_EXPORT const KeyTable& descriptionKeys();
VELQTLIB_EXPORT const KeyTable& elementKeys();
VELQTLIB_EXPORT const KeyTable& layoutKeys();
// Keys of a theme element of "theme.json" (besides a pop-up menu's own keys).
VELQTLIB_EXPORT const KeyTable& themeElementKeys();
VELQTLIB_EXPORT const KeyTable& scrollBarChildKeys();
VELQTLIB_EXPORT const ControlSpec& scrollBarChildSpec();

// The slot entry that a slot index of a control falls in, or null.
VELQTLIB_EXPORT const SlotSpec* findSlot(const ControlSpec& control, int slot);

// The reference tables of the format, in Markdown: the section of docs/theme-format.md
// between its "generated" markers.
VELQTLIB_EXPORT QString formatReference();

} // namespace VelQtLib
