#include "customui/gallery/iimglistwidget.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "customui/gallery/iimglist.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

int scaled(double v)
{
    return static_cast<int>(v * uiScale);
}

}  // namespace

IImgListWidget::IImgListWidget(QWidget* parent) : ICustomWidget(parent)
{
    setObjectName(QStringLiteral("gallery"));
    CreateUI();
}

void IImgListWidget::CreateUI()
{
    setFixedWidth(scaled(200));
    auto* title = new QLabel(tr("Gallery"), this);
    title->setStyleSheet(QStringLiteral("color:white;background-color:transparent;"));
    title->setFont(appFont(14, QFont::Bold));
    title->setAlignment(Qt::AlignCenter);
    title->setFixedWidth(width());

    list_ = new IImgList(this);
    connect(list_, &IImgList::sgTip, this, &IImgListWidget::sgTip);
    connect(list_, &IImgList::sgSaveFiles, this, &IImgListWidget::sgSaveFiles);

    QToolButton* selectAll =
        CreateButton(tr("Select All"), QStringLiteral(":/root/root/rselectall.svg"),
                     Qt::ToolButtonTextBesideIcon);
    QToolButton* deselect =
        CreateButton(tr("Deselect"), QStringLiteral(":/root/root/runselectall.svg"),
                     Qt::ToolButtonTextBesideIcon);
    QToolButton* import = CreateButton(tr("Import File"), QStringLiteral(":/root/root/radd.svg"),
                                       Qt::ToolButtonTextBesideIcon);
    selectAll->setObjectName(QStringLiteral("gallery.selectall"));
    deselect->setObjectName(QStringLiteral("gallery.deselect"));
    import->setObjectName(QStringLiteral("gallery.import"));

    // A translation longer than the buttons widens the panel rather than being cut off.
    int needed = width();
    for (QToolButton* button : {selectAll, deselect, import}) {
        needed = qMax(needed, button->sizeHint().width());
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{this, title, selectAll, deselect, import}) {
        widget->setFixedWidth(needed);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, scaled(10), 0, 0);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addSpacing(scaled(10));
    layout->addWidget(list_);
    layout->addWidget(selectAll);
    layout->addWidget(deselect);
    layout->addWidget(import);
    adjustSize();

    connect(selectAll, &QToolButton::clicked, list_, [this]() { list_->setAllChecked(true); });
    connect(deselect, &QToolButton::clicked, list_, [this]() { list_->setAllChecked(false); });
    connect(import, &QToolButton::clicked, list_, &IImgList::importWithDialog);
}

QToolButton* IImgListWidget::CreateButton(const QString& text, const QString& icon,
                                          Qt::ToolButtonStyle style)
{
    auto* button = new QToolButton(this);
    button->setToolButtonStyle(style);
    button->setText(text);
    button->setFont(appFont(12, QFont::Normal));
    button->setFixedSize(width(), scaled(40));
    button->setIconSize(QSize(scaled(30), scaled(30)));
    button->setIcon(QIcon(icon));
    const int padding = style == Qt::ToolButtonTextBesideIcon ? scaled(25) : 0;
    button->setStyleSheet(
        QStringLiteral("QToolButton{border:none;color:white;border:1px solid "
                       "black;padding-left:%3px;background-color:%1;}QToolButton:hover{"
                       "background-color:%2;color:rgb(235,120,7);}QToolButton:pressed{"
                       "background-color:%2;color:rgb(235,120,7);}")
            .arg(panelButtonNormal, panelButtonHover, QString::number(padding)));
    return button;
}

void IImgListWidget::addImageItem(const QImage& image, const QString& path)
{
    list_->addImageItem(image, path);
}

void IImgListWidget::saveImage(const QImage& image)
{
    list_->saveImage(image);
}

void IImgListWidget::addFileItem(const QString& path)
{
    list_->addFileItem(path);
}

QStringList IImgListWidget::itemPaths(bool onlyChecked) const
{
    return list_->itemPaths(onlyChecked);
}

void IImgListWidget::scrollToLast()
{
    list_->scrollToLast();
}

void IImgListWidget::reload()
{
    list_->reload();
}
