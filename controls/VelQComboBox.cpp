#include "controls/VelQComboBox_p.h"

#include "controls/ItemViewSupport.h"
#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"
#include "framework/Library.h"
#include "framework/StyleSlots.h"

#include <QLineEdit>
#include <QPainter>

namespace VelQtLib {

namespace {

const ImageOffset centred {0, 0, 1, 1};

} // namespace

VelQComboBox::VelQComboBox(QWidget* parent)
    : VelQControl<QComboBox>(parent)
{
    auto* impl = new VelQComboBoxImpl(this);
    setImpl(impl);
    // QComboBox owns the pop-up list from here on.
    setView(new VelQComboList(impl));
}

VelQComboBox::~VelQComboBox() = default;

bool VelQComboBox::event(QEvent* event)
{
    // A box made editable after its description was read gets the clear line edit too.
    if (event->type() == QEvent::ChildPolished) {
        QLineEdit* edit = lineEdit();
        if (edit && static_cast<QChildEvent*>(event)->child() == edit
            && edit->styleSheet().isEmpty())
            clearBackground(edit);
    }
    return VelQControl<QComboBox>::event(event);
}

void VelQComboBox::mouseMoveEvent(QMouseEvent* event)
{
    QComboBox::mouseMoveEvent(event);
}

VelQComboBoxImpl::VelQComboBoxImpl(VelQComboBox* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQComboBoxImpl::draw(QPainter* painter, const QRect& rect)
{
    QComboBox* box = comboBox();
    const int s = state;
    const QIcon icon = box->itemIcon(box->currentIndex());
    const QRect iconRect(5, 0, 20, box->height());
    QRect textRect = rect;
    if (!icon.isNull()) {
        textRect.setWidth(textRect.width() - 20);
        textRect.setLeft(20);
    }
    const QRect button(rect.right() - rect.height(), rect.top(), rect.height(), rect.height());
    if (s >= Normal && s <= Disabled) {
        drawImageStyle(painter, backgrounds[s], rect);
        drawImageStyle(painter, buttonStyles[s], button);
        drawAlignedImage(painter, btnIcons[s], centred, button, false);
        // An editable box leaves its text to its line edit.
        if (!box->lineEdit())
            drawStyledText(painter, box->currentText(), textStyles[s], textRect, true);
    }
    drawAlignedIcon(painter, icon, QSize(16, 16), centred, iconRect);
}

bool VelQComboBoxImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    QComboBox* box = comboBox();
    if (QLineEdit* edit = box->lineEdit())
        clearBackground(edit);
    StyleSlots()
        .image(0, {&backgrounds[0], &backgrounds[1], &backgrounds[2], &backgrounds[3]})
        .image(1, {&backgrounds[1]})
        .imageGroup(4, buttonStyles)
        .textGroup(8, textStyles)
        .image(12, {&listBackground})
        .imageGroup(13, itemStyles)
        .textGroup(17, itemTextStyles)
        .read(*json);
    if (const AttrReader attr(json); attr) {
        QString text;
        if (!restyling && attr.readText("text", text)) {
            box->addItem(text);
            box->setCurrentText(text);
        }
        QString path;
        if (attr.readUtf8("btnIcon", path))
            std::fill(std::begin(btnIcons), std::end(btnIcons), path);
        attr.readUtf8("btnHotIcon", btnIcons[Hover]);
    }
    box->update();
    return result;
}

void VelQComboBoxImpl::fillSamples()
{
    if (!IsDesignMode())
        return;
    QComboBox* box = comboBox();
    box->addItems({QStringLiteral("Item1"), QStringLiteral("Item2"), QStringLiteral("Item3")});
    box->setCurrentIndex(0);
}

VelQComboItemDelegate::VelQComboItemDelegate(VelQComboBoxImpl* impl, QObject* parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

void VelQComboItemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_impl || !index.isValid())
        return;
    const QMap<int, QVariant> data = index.model()->itemData(index);
    const QIcon icon = m_impl->comboBox()->itemIcon(index.row());
    int iconColumn = 0;
    if (!icon.isNull()) {
        const QRect iconRect(option.rect.x(), option.rect.y(), 20, option.rect.height());
        VelQControlBaseImpl::drawAlignedIcon(painter, icon, QSize(16, 16), centred, iconRect);
        iconColumn = 20;
    }
    const QString text = data.isEmpty() ? QString() : data.first().toString();
    painter->save();
    const QRect textRect = option.rect.adjusted(iconColumn, 0, 0, 0);
    const int row = rowState(option.state, RowPriority::HoverWins);
    VelQControlBaseImpl::drawImageStyle(painter, m_impl->itemStyles[row], textRect);
    VelQControlBaseImpl::drawStyledText(painter, text, m_impl->itemTextStyles[row], textRect, true);
    painter->restore();
}

QSize VelQComboItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), m_impl ? m_impl->itemHeight : 25);
}

VelQComboList::VelQComboList(VelQComboBoxImpl* impl)
    : m_impl(impl)
{
    setItemDelegate(new VelQComboItemDelegate(impl, this));
    linkScrollBars(this);
    viewport()->installEventFilter(this);
    setFrameStyle(0);
    clearBackground(viewport());
    trackRowHover(this);
}

bool VelQComboList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint && m_impl) {
        paintViewportBackground(viewport(), m_impl->listBackground);
        return false;
    }
    return QAbstractItemView::eventFilter(watched, event);
}

} // namespace VelQtLib
