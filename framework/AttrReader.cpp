#include "framework/AttrReader.h"

namespace VelQtLib {

AttrReader::AttrReader(const ::Json::Value* element)
    : m_attr(element ? Json::objectMember(*element, "attr") : nullptr)
{
}

bool AttrReader::has(const char* key) const
{
    return value(key) != nullptr;
}

const ::Json::Value* AttrReader::value(const char* key) const
{
    return m_attr ? Json::member(*m_attr, key) : nullptr;
}

bool AttrReader::read(const char* key, bool& out) const
{
    return m_attr && Json::readBool(*m_attr, key, out);
}

bool AttrReader::read(const char* key, int& out) const
{
    return m_attr && Json::readInt(*m_attr, key, out);
}

bool AttrReader::read(const char* key, unsigned& out) const
{
    return m_attr && Json::readUInt(*m_attr, key, out);
}

bool AttrReader::readUtf8(const char* key, QString& out) const
{
    return m_attr && Json::readUtf8(*m_attr, key, out);
}

bool AttrReader::readText(const char* key, QString& out) const
{
    return m_attr && Json::readDisplayText(*m_attr, key, out);
}

} // namespace VelQtLib
