#pragma once

#include "theme/StyleTypes.h"

#include <json/value.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace VelQtLib {

// Visits the well-formed entries of an element's "style" list, [record name, unused, slot],
// in order; entries of another shape are skipped.
VELQTLIB_EXPORT void forEachStyleEntry(
    const ::Json::Value& element, const std::function<void(const QString& name, int slot)>& visit);

// A control's slot table for its "style" list: which records a slot index fills. Records are
// looked up by name in the theme manager; a name that is not found leaves its slot alone.
class VELQTLIB_EXPORT StyleSlots {
public:
    // The found record goes to every target (the first is looked up, the others copy it).
    StyleSlots& image(int slot, std::initializer_list<ImageStyle*> targets);
    StyleSlots& text(int slot, std::initializer_list<TextStyle*> targets);
    // Four per-state records on slots first..first+3; with copyFirst, a record found for the
    // first slot also fills the other three states.
    StyleSlots& imageGroup(int first, ImageStyle (&states)[4], bool copyFirst = true);
    StyleSlots& textGroup(int first, TextStyle (&states)[4], bool copyFirst = true);

    // Applies element's "style" list; returns the number of entries visited.
    int read(const ::Json::Value& element) const;

private:
    struct Slot {
        int index;
        std::vector<ImageStyle*> images;
        std::vector<TextStyle*> texts;
    };
    std::vector<Slot> m_slots;
};

} // namespace VelQtLib
