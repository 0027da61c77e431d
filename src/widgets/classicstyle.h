// The Fusion style, with two habits of the classic desktop the windows' layouts come from: a
// group box's caption sits in its frame line, and a drop-down list drops down below its field.
#pragma once

#include <QProxyStyle>
#include <QStyledItemDelegate>

class QComboBox;

class ClassicStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ClassicStyle();

    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr, QStyleHintReturn *returnData = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
        SubControl subControl, const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget = nullptr) const override;
};

// Rows of one fixed height, as list boxes and drop-down lists have.
class FixedRowDelegate : public QStyledItemDelegate
{
public:
    explicit FixedRowDelegate(QObject *parent, int height = 16)
        : QStyledItemDelegate(parent)
        , height_(height)
    { }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

// A drop-down list of 16-pixel rows showing at most the given number of them at once.
void setDropDownRows(QComboBox *combo, int visibleRows);
