#include "framework/StyleSlots.h"

#include "theme/Json.h"
#include "theme/ThemeManager.h"

namespace VelQtLib {

void forEachStyleEntry(
    const ::Json::Value& element, const std::function<void(const QString& name, int slot)>& visit)
{
    const ::Json::Value* list = Json::arrayMember(element, "style");
    if (!list)
        return;
    for (const ::Json::Value& entry : *list) {
        if (!entry.isArray() || entry.size() < 3 || !entry[0].isString())
            continue;
        int slot = 0;
        if (!Json::toInt(entry[2], slot))
            continue;
        QString name;
        Json::toUtf8(entry[0], name);
        visit(name, slot);
    }
}

StyleSlots& StyleSlots::image(int slot, std::initializer_list<ImageStyle*> targets)
{
    m_slots.push_back({slot, targets, {}});
    return *this;
}

StyleSlots& StyleSlots::text(int slot, std::initializer_list<TextStyle*> targets)
{
    m_slots.push_back({slot, {}, targets});
    return *this;
}

StyleSlots& StyleSlots::imageGroup(int first, ImageStyle (&states)[4], bool copyFirst)
{
    if (copyFirst)
        image(first, {&states[0], &states[1], &states[2], &states[3]});
    else
        image(first, {&states[0]});
    for (int i = 1; i < 4; ++i)
        image(first + i, {&states[i]});
    return *this;
}

StyleSlots& StyleSlots::textGroup(int first, TextStyle (&states)[4], bool copyFirst)
{
    if (copyFirst)
        text(first, {&states[0], &states[1], &states[2], &states[3]});
    else
        text(first, {&states[0]});
    for (int i = 1; i < 4; ++i)
        text(first + i, {&states[i]});
    return *this;
}

int StyleSlots::read(const ::Json::Value& element) const
{
    if (Json::KeyProbe* probe = Json::KeyProbe::active()) {
        for (const Slot& slot : m_slots)
            probe->slot(slot.index, !slot.texts.empty());
    }
    const CThemeManager& manager = CThemeManager::instance();
    int visited = 0;
    forEachStyleEntry(element, [&](const QString& name, int index) {
        ++visited;
        for (const Slot& slot : m_slots) {
            if (slot.index != index)
                continue;
            if (!slot.images.empty() && manager.getImageStyle(name, *slot.images.front())) {
                for (ImageStyle* target : slot.images)
                    *target = *slot.images.front();
            }
            if (!slot.texts.empty() && manager.getTextStyle(name, *slot.texts.front())) {
                for (TextStyle* target : slot.texts)
                    *target = *slot.texts.front();
            }
        }
    });
    return visited;
}

} // namespace VelQtLib
