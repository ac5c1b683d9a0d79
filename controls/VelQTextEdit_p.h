#pragma once

#include "controls/VelQEditImplBase_p.h"
#include "controls/VelQTextEdit.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQTextEditImpl : public VelQEditImplBase {
    Q_OBJECT
public:
    explicit VelQTextEditImpl(VelQTextEdit* owner);

    bool parseAttributes(const ::Json::Value*& json) override;

protected:
    bool isEmpty() const override;

private:
    VelQTextEdit* edit() const { return static_cast<VelQTextEdit*>(owner); }
};

} // namespace VelQtLib
