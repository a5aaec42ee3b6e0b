// Renders every compiled-in icon (on a dark and a light ground), every cursor picture, and the
// widget kit in its states (message boxes of each type, tips, buttons normal, hovered, pressed
// and checked, colour buttons, panels) into one PNG, so the whole kit can be judged at a glance.
//   orvella-contactsheet output.png
// With --tile it lays given screenshots out instead, each scaled to a third of the sheet's width
// and captioned with its file name (the program in each interface language, for example):
//   orvella-contactsheet --tile output.png shot1.png shot2.png ...

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>

#include "board/ui/icolorpalette.h"
#include "board/ui/icolorpanel.h"
#include "customui/boardpanels/icolorframe.h"
#include "customui/boardpanels/ieraseframe.h"
#include "customui/boardpanels/ifigureframe.h"
#include "customui/boardpanels/ithicknessframe.h"
#include "customui/boardpanels/itransparentframe.h"
#include "customui/kit/iappfont.h"
#include "customui/kit/ibasewidget.h"
#include "customui/kit/icolorbutton.h"
#include "customui/kit/icustomdialog.h"
#include "customui/kit/icustomwidget.h"
#include "customui/kit/iicolorbutton.h"
#include "customui/kit/iitoolbutton.h"
#include "customui/kit/imsgbox.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/itimemsgbox.h"
#include "customui/kit/itoolbutton.h"
#include "customui/kit/uiscale.h"
#include "service/iconfigureservice.h"

namespace {

const QColor kSheet(120, 128, 136);
const QColor kDark(52, 52, 52);
const QColor kLight(250, 250, 250);

// Lays pictures out left to right in rows on one tall canvas, with captions and headings.
class Sheet {
public:
    explicit Sheet(int width) : canvas_(width, 9000, QImage::Format_ARGB32)
    {
        canvas_.fill(kSheet);
        painter_.begin(&canvas_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }

    void heading(const QString& text)
    {
        newRow();
        y_ += 16;
        painter_.setPen(Qt::white);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(26);
        font.setBold(true);
        painter_.setFont(font);
        painter_.drawText(QPoint(kMargin, y_ + 26), text);
        y_ += 40;
    }

    void place(const QPixmap& picture, const QString& caption)
    {
        const int w = qMax(picture.width(), 90);
        if (x_ + w > canvas_.width() - kMargin) {
            newRow();
        }
        drawChecker(QRect(x_, y_, picture.width(), picture.height()));
        painter_.drawPixmap(x_, y_, picture);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        painter_.setFont(font);
        painter_.setPen(QColor(20, 20, 20));
        const QRect text(x_, y_ + picture.height() + 2, w + 8, 28);
        painter_.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        x_ += w + 14;
        rowHeight_ = qMax(rowHeight_, picture.height() + 32);
    }

    QImage finish()
    {
        newRow();
        painter_.end();
        return canvas_.copy(0, 0, canvas_.width(), y_ + kMargin);
    }

private:
    static constexpr int kMargin = 16;

    void newRow()
    {
        if (x_ > kMargin) {
            y_ += rowHeight_ + 6;
        }
        x_ = kMargin;
        rowHeight_ = 0;
    }

    // Translucent widgets show over a fine checkerboard.
    void drawChecker(const QRect& area)
    {
        painter_.save();
        painter_.setClipRect(area);
        for (int y = area.top(); y < area.bottom(); y += 8) {
            for (int x = area.left(); x < area.right(); x += 8) {
                const bool odd = ((x - area.left()) / 8 + (y - area.top()) / 8) % 2;
                painter_.fillRect(x, y, 8, 8, odd ? QColor(150, 150, 150) : QColor(190, 190, 190));
            }
        }
        painter_.restore();
    }

    QImage canvas_;
    QPainter painter_;
    int x_ = kMargin;
    int y_ = kMargin;
    int rowHeight_ = 0;
};

QPixmap iconCell(const QString& path)
{
    QPixmap cell(140, 64);
    cell.fill(Qt::transparent);
    QPainter painter(&cell);
    painter.fillRect(0, 0, 64, 64, kDark);
    painter.fillRect(76, 0, 64, 64, kLight);
    QSvgRenderer renderer(path);
    renderer.render(&painter, QRectF(8, 8, 48, 48));
    renderer.render(&painter, QRectF(84, 8, 48, 48));
    return cell;
}

QPixmap cursorCell(const QString& path)
{
    const QImage picture(path);
    QPixmap cell(100, 100);
    cell.fill(QColor(122, 156, 198));
    QPainter painter(&cell);
    painter.drawImage(QRect(50 - picture.width(), 50 - picture.height(), picture.width() * 2,
                            picture.height() * 2),
                      picture);
    return cell;
}

void addIcons(Sheet& sheet)
{
    sheet.heading(QStringLiteral("Icons (each on the dark and on the light ground)"));
    QStringList icons;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        icons << it.next();
    }
    icons.sort();
    for (const QString& path : icons) {
        sheet.place(iconCell(path), path.mid(2));
    }
    sheet.heading(QStringLiteral("Cursors (twice their size)"));
    QDirIterator cursors(QStringLiteral(":/cursors/cursors"), {QStringLiteral("*.png")});
    QStringList names;
    while (cursors.hasNext()) {
        names << cursors.next();
    }
    names.sort();
    for (const QString& path : names) {
        sheet.place(cursorCell(path), path.mid(2));
    }
}

// Grabs a widget as shown: polished and laid out, in the given interaction state.
QPixmap shot(QWidget* widget)
{
    widget->ensurePolished();
    if (widget->layout()) {
        widget->layout()->activate();
    }
    widget->adjustSize();
    return widget->grab();
}

enum class State { Normal, Hover, Pressed, Checked };

QPixmap buttonShot(QAbstractButton* button, State state)
{
    button->ensurePolished();
    button->setAttribute(Qt::WA_UnderMouse, state == State::Hover);
    button->setDown(state == State::Pressed);
    button->setChecked(state == State::Checked);
    return button->grab();
}

void addButtonStates(Sheet& sheet, const QString& name, QAbstractButton* button)
{
    const bool checkable = button->isCheckable();
    sheet.place(buttonShot(button, State::Normal), name + QStringLiteral(": normal"));
    sheet.place(buttonShot(button, State::Hover), QStringLiteral("hover"));
    sheet.place(buttonShot(button, State::Pressed), QStringLiteral("pressed"));
    if (checkable) {
        sheet.place(buttonShot(button, State::Checked), QStringLiteral("checked"));
    }
    button->setChecked(false);
    button->setDown(false);
    button->setAttribute(Qt::WA_UnderMouse, false);
}

void addToolButtons(Sheet& sheet, QWidget* host)
{
    sheet.heading(QStringLiteral("Dark tool buttons (IIToolButton)"));
    const QString camera = QStringLiteral(":/cameratoolbar/cameratoolbar/ccameranormal.svg");
    const QString cameraClick = QStringLiteral(":/cameratoolbar/cameratoolbar/ccameraclick.svg");
    addButtonStates(sheet, QStringLiteral("framed, checkable"),
                    new IIToolButton(1, QStringLiteral("Snap"), camera, cameraClick, 10, true, 85,
                                     60, 8, host));
    addButtonStates(
        sheet, QStringLiteral("framed with corner set 2"),
        new IIToolButton(2, QStringLiteral("Rotate"),
                         QStringLiteral(":/cameratoolbar/cameratoolbar/crotatenormal.svg"),
                         QStringLiteral(":/cameratoolbar/cameratoolbar/crotateclick.svg"), 85, 60,
                         LeftCorners, 8, host));
    addButtonStates(sheet, QStringLiteral("flat"),
                    new IIToolButton(3, QStringLiteral("Settings"),
                                     QStringLiteral(":/title/title/tsettingnormal.svg"),
                                     QStringLiteral(":/title/title/tsettingclick.svg"), false, 40,
                                     40, 6, host));
    addButtonStates(
        sheet, QStringLiteral("flat, checkable"),
        new IIToolButton(4, QStringLiteral("Cameras"),
                         QStringLiteral(":/title/title/tcameranormal.svg"),
                         QStringLiteral(":/title/title/tcameraclick.svg"), true, 40, 40, 6, host));
    addButtonStates(sheet, QStringLiteral("transparent, checkable"),
                    new IIToolButton(5, QStringLiteral("Pencil"),
                                     QStringLiteral(":/boardtoolbar/boardtoolbar/bpen.svg"), true,
                                     50, 50, 8, host));
    addButtonStates(sheet, QStringLiteral("image"),
                    new IIToolButton(6, QStringLiteral("Close"), 40, 40,
                                     QStringLiteral(":/title/title/tclosenormal.svg"),
                                     QStringLiteral(":/title/title/tcloseclick.svg"), host));
    addButtonStates(
        sheet, QStringLiteral("text, checkable"),
        new IIToolButton(7, QStringLiteral("Full screen"), 150, 35, AllCorners, true, host));
    addButtonStates(sheet, QStringLiteral("round framed"),
                    new IIToolButton(
                        8, QStringLiteral("Start"), QStringLiteral(":/root/root/rstartnormal.svg"),
                        QStringLiteral(":/root/root/rstartclick.svg"), 40, false, 80, 80, 8, host));
    addButtonStates(sheet, QStringLiteral("missing icon"),
                    new IIToolButton(9, QStringLiteral("Missing"), QStringLiteral(":/no/such.svg"),
                                     QStringLiteral(":/no/such.svg"), 10, true, 60, 60, 8, host));

    sheet.heading(QStringLiteral("Light tool buttons (IToolButton)"));
    addButtonStates(
        sheet, QStringLiteral("icon and text"),
        new IToolButton(1, QStringLiteral("Copy"), QStringLiteral(":/ui/ui/txtcopy.svg"),
                        AllCorners, 40, 50, host));
    addButtonStates(
        sheet, QStringLiteral("icon"),
        new IToolButton(2, QStringLiteral(":/ui/ui/txtbold.svg"), NoCorners, 30, 30, host));
    addButtonStates(
        sheet, QStringLiteral("text"),
        new IToolButton(3, QStringLiteral("Default"), QString(), AllCorners, 80, 30, host));
}

template <class Button>
void addColourButtons(Sheet& sheet, const QString& name, QWidget* host)
{
    const QList<QColor> colours{Qt::transparent, QColor(0, 108, 185)};
    for (const QColor& colour : colours) {
        const QString what = colour == QColor(Qt::transparent) ? QStringLiteral("no colour")
                                                               : QStringLiteral("blue");
        auto* plain = new Button(0, colour, false, QSize(36, 36), host);
        sheet.place(shot(plain), name + QStringLiteral(" ") + what);
        auto* checkable = new Button(0, colour, true, QSize(36, 36), host);
        sheet.place(shot(checkable), QStringLiteral("checkable"));
        checkable->setSelected(true);
        sheet.place(shot(checkable), QStringLiteral("selected"));
    }
}

QWidget* panelContents(QWidget* panel)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, 44, 14, 14);
    layout->addWidget(newLabel(QStringLiteral("Label from newLabel"), panel));
    QRadioButton* on = newRadioButton(QStringLiteral("Radio button, checked"), panel);
    on->setChecked(true);
    layout->addWidget(on);
    layout->addWidget(newRadioButton(QStringLiteral("Radio button"), panel));
    layout->addWidget(newLineEdit(QStringLiteral("Line edit"), panel));
    panel->setFixedSize(300, 200);
    return panel;
}

void addPanels(Sheet& sheet)
{
    sheet.heading(QStringLiteral("Panels and dialogs"));
    auto* panel = new ICustomWidget(QStringLiteral("ICustomWidget"), true);
    sheet.place(shot(panelContents(panel)), QStringLiteral("flat background, title left"));
    auto* rounded = new ICustomWidget(QStringLiteral("Rounded, centred title"), true);
    rounded->setRoundedBackground(true);
    rounded->setTitleAlignment(1);
    sheet.place(shot(panelContents(rounded)), QStringLiteral("rounded background"));
    auto* dialog = new ICustomDialog(QStringLiteral("ICustomDialog, title right"), false);
    dialog->setTitleAlignment(2);
    dialog->setFixedSize(300, 120);
    sheet.place(shot(dialog), QStringLiteral("dialog"));
    auto* light = new IBaseWidget(QStringLiteral("IBaseWidget"), true);
    light->setFixedSize(300, 120);
    sheet.place(shot(light), QStringLiteral("light panel"));
    auto* bare = new ICustomWidget();
    bare->setFixedSize(140, 80);
    sheet.place(shot(bare), QStringLiteral("no title"));
}

// The board toolbar's panels with a value chosen in each, the text colour palette and its
// spectrum picker.
void addBoardPanels(Sheet& sheet)
{
    sheet.heading(QStringLiteral("Board panels, text colour palette and spectrum picker"));
    IThicknessFrame thickness(nullptr);
    thickness.setThickness(10);
    sheet.place(shot(&thickness), QStringLiteral("thickness, 10"));
    IColorFrame colour(nullptr);
    colour.setColor(Qt::blue);
    sheet.place(shot(&colour), QStringLiteral("colour, blue"));
    IConfigureService::instance()->setPencilColor(QColor(0, 108, 185));
    ITransparentFrame transparency(nullptr);
    transparency.setValue(120);
    transparency.showPanel(true);
    sheet.place(shot(&transparency), QStringLiteral("transparency, 120"));
    transparency.hide();
    IFigureFrame figure(nullptr);
    figure.selectFigure(IFigureFrame::Oval, true);
    sheet.place(shot(&figure), QStringLiteral("shape, oval"));
    IEraseFrame eraser(nullptr);
    eraser.setSize(60);
    sheet.place(shot(&eraser), QStringLiteral("eraser, 60"));
    IColorPalette palette;
    palette.setPaletteColor(Qt::red);
    sheet.place(shot(&palette), QStringLiteral("text colour palette, red"));
    sheet.place(shot(palette.colorPanel()), QStringLiteral("spectrum picker"));
}

void addMessageBoxes(Sheet& sheet)
{
    sheet.heading(QStringLiteral("Message boxes (IMsgBox) and tips (ITimeMsgBox)"));
    const QStringList names{QStringLiteral("Yes, No"),
                            QStringLiteral("Yes, No, Cancel"),
                            QStringLiteral("Ok, Cancel"),
                            QStringLiteral("Cancel"),
                            QStringLiteral("Ok"),
                            QStringLiteral("Yes, No, Save"),
                            QStringLiteral("unknown type 7")};
    for (int type = 0; type < names.size(); ++type) {
        const int boxType = type == 6 ? 7 : type;
        IMsgBox box(QStringLiteral("Message box of type %1: %2.").arg(boxType).arg(names[type]),
                    boxType, QStringLiteral("Orvella"));
        sheet.place(shot(&box), QStringLiteral("type %1").arg(boxType));
    }
    IMsgBox wrapped(QStringLiteral("A longer message wraps inside the box: the picture could not "
                                   "be saved because the photo folder is not writable."),
                    2, QStringLiteral("Orvella"));
    sheet.place(shot(&wrapped), QStringLiteral("wrapped text"));

    // The Chinese interface: its translation and the "微软雅黑" font rule.
    QTranslator chinese;
    if (chinese.load(QCoreApplication::applicationDirPath() + QStringLiteral("/Lang/2052.qm"))) {
        QCoreApplication::installTranslator(&chinese);
        IConfigureService::instance()->setLangId(QStringLiteral("2052"));
        installFontSubstitutions(QStringLiteral("2052"));
        IMsgBox box(QString::fromUtf8("确定要删除选中的图片吗？"), 1, QStringLiteral("Orvella"));
        sheet.place(shot(&box), QStringLiteral("2052, type 1"));
        IConfigureService::instance()->setLangId(QStringLiteral("1033"));
        installFontSubstitutions(QStringLiteral("1033"));
        QCoreApplication::removeTranslator(&chinese);
    }

    ITimeMsgBox tip;
    tip.showMessage(QStringLiteral("Saved"), 60000, 0, 0);
    sheet.place(tip.grab(), QStringLiteral("tip"));
    tip.showMessage(QString::fromUtf8("请先选择左边列表文件"), 60000, 0, 0);
    sheet.place(tip.grab(), QStringLiteral("tip in Chinese"));
    tip.showMessage(QStringLiteral("A tip wider than five hundred pixels wraps onto a second line "
                                   "instead of running off the window."),
                    60000, 0, 0);
    sheet.place(tip.grab(), QStringLiteral("wrapping tip"));
    tip.hide();
}

}  // namespace

int tileScreenshots(const QString& out, const QStringList& shots)
{
    Sheet sheet(1900);
    for (const QString& path : shots) {
        const QPixmap shot(path);
        if (shot.isNull()) {
            qCritical("cannot read %s", qPrintable(path));
            return 1;
        }
        sheet.place(shot.scaledToWidth(610, Qt::SmoothTransformation), QFileInfo(path).fileName());
    }
    return sheet.finish().save(out) ? 0 : 1;
}

int main(int argc, char* argv[])
{
    // Settings written while rendering (the language switch) go to a throw-away folder.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    const QString out =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("contactsheet.png");
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("--tile") && arguments.size() > 3) {
        return tileScreenshots(arguments[2], arguments.mid(3));
    }
    installFontSubstitutions(IConfigureService::instance()->langId());
    uiScaleX = uiScaleY = uiScale = 1.0;

    Sheet sheet(1900);
    addIcons(sheet);
    QWidget host;
    addToolButtons(sheet, &host);
    sheet.heading(QStringLiteral("Colour buttons (IIColorButton, IColorButton)"));
    addColourButtons<IIColorButton>(sheet, QStringLiteral("IIColorButton"), &host);
    addColourButtons<IColorButton>(sheet, QStringLiteral("IColorButton"), &host);
    addPanels(sheet);
    addBoardPanels(sheet);
    addMessageBoxes(sheet);
    const QImage image = sheet.finish();
    if (!image.save(out)) {
        qCritical("cannot write %s", qPrintable(out));
        return 1;
    }
    return 0;
}
