#pragma once

#include "controls/VelQSplitter.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQSplitterImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQSplitterImpl(VelQSplitter* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    ImageStyle barStyle; // not valid until styled, so an unstyled splitter paints nothing
};

} // namespace VelQtLib
