#include "board/ui/icolorpalette.h"

#include <QDebug>
#include <QGridLayout>
#include <QVBoxLayout>

#include "board/ui/icolorpanel.h"
#include "customui/kit/icolorbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/itoolbutton.h"
#include "customui/kit/uiscale.h"

namespace {

constexpr int kColumns = 4;

}  // namespace

IColorPalette::IColorPalette(QWidget* parent) : QWidget(parent)
{
    setStyleSheet(QStringLiteral(".QWidget{background-color:%1;border-width:1px;"
                                 "border-style:solid;border-radius:%3px;border-color:%2; }")
                      .arg(QColor(250, 250, 250).name(), QColor(230, 230, 230).name())
                      .arg(10 * uiScale, 0, 'g', -1));
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);

    const QList<QColor> colours{Qt::black,           Qt::red,
                                Qt::yellow,          QColor(0, 176, 78),
                                QColor(0, 108, 185), QColor(112, 48, 160),
                                QColor(102, 50, 0)};
    auto* inner = new QWidget(this);
    auto* grid = new QGridLayout(inner);
    const int margin = static_cast<int>(10 * uiScale);
    grid->setContentsMargins(margin, margin, margin, margin);
    grid->setSpacing(margin);
    for (const QColor& colour : colours) {
        const int index = buttons_.size();
        grid->addWidget(createColorButton(colour), index / kColumns, index % kColumns);
    }
    more_ = new IToolButton(0, QStringLiteral(":/itemframe/more.svg"), NoCorners, 30, 30, inner);
    grid->addWidget(more_, buttons_.size() / kColumns, buttons_.size() % kColumns, Qt::AlignCenter);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(inner);
    adjustSize();

    panel_ = new IColorPanel;
    panel_->hide();
    connect(more_, &IToolButton::sgButtonClick, panel_, &IColorPanel::openPanel);
    connect(panel_, &IColorPanel::sgChangeColor, this, [this](bool, QVariant value) {
        const QColor colour = value.value<QColor>();
        if (colour.isValid()) {
            emit sgChangeColor(colour);
        }
    });
}

IColorPalette::~IColorPalette()
{
    // The picker is a window of its own.
    delete panel_.data();
}

IColorButton* IColorPalette::createColorButton(const QColor& color)
{
    auto* button = new IColorButton(color, color, true, QSize(36, 36), this);
    buttons_ << button;
    connect(button, &IColorButton::sgButtonClick, this, [this](bool checked, QVariant value) {
        if (!checked) {
            return;
        }
        const QColor opaque(value.value<QColor>().rgb());
        setPaletteColor(opaque);
        emit sgChangeColor(opaque);
    });
    return button;
}

void IColorPalette::setPaletteColor(const QColor& color)
{
    for (IColorButton* button : qAsConst(buttons_)) {
        const bool match = button->color() == color;
        button->setSelected(match);
        if (match) {
            qDebug() << "palette colour" << color.name() << "has a button";
        }
    }
}
