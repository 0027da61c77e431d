#include "widgets/classicstyle.h"

#include "widgets/accessiblechoice.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleOptionComplex>
#include <qdrawutil.h>

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{ }

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
    QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_ComboBox_Popup:
        // A list below the field, not a menu laid over it.
        return 0;
    case SH_GroupBox_TextLabelVerticalAlignment:
        return Qt::AlignVCenter;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QRect ClassicStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
    SubControl subControl, const QWidget *widget) const
{
    const auto *skupina = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !skupina || skupina->text.isEmpty()
        || (subControl != SC_GroupBoxFrame && subControl != SC_GroupBoxLabel))
        return QProxyStyle::subControlRect(control, option, subControl, widget);

    // The caption stands eight pixels in, on the frame line, which runs through its middle.
    const QFontMetrics &pismo = skupina->fontMetrics;
    if (subControl == SC_GroupBoxLabel) {
        const QRect popisek(8, 0, pismo.horizontalAdvance(skupina->text), pismo.height());
        return visualRect(skupina->direction, skupina->rect, popisek);
    }
    return skupina->rect.adjusted(0, pismo.height() / 2 - 1, 0, 0);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
    QPainter *painter, const QWidget *widget) const
{
    const auto *skupina = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !skupina || !(skupina->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // An etched frame (Fusion's own would move itself below the caption), its line stopping
    // where the caption stands on it.
    QRegion oblast(skupina->rect);
    if (!skupina->text.isEmpty())
        oblast -= subControlRect(CC_GroupBox, skupina, SC_GroupBoxLabel, widget);
    painter->save();
    painter->setClipRegion(oblast);
    qDrawShadeRect(painter, subControlRect(CC_GroupBox, skupina, SC_GroupBoxFrame, widget),
        skupina->palette, true, 1, 0);
    painter->restore();

    QStyleOptionGroupBox bezRamu(*skupina);
    bezRamu.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &bezRamu, painter, widget);
}

void setDropDownRows(QComboBox *combo, int visibleRows)
{
    // Every drop-down list is set up here: here it also gets the interface a reader needs,
    // replacing one Qt may have made for it already.
    AccessibleChoice::install();
    if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(combo);
        old && !dynamic_cast<AccessibleChoice *>(old))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    combo->setItemDelegate(new FixedRowDelegate(combo));
    combo->setMaxVisibleItems(visibleRows);
}
