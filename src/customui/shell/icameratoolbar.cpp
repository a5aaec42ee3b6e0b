#include "customui/shell/icameratoolbar.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "customui/kit/iitoolbutton.h"
#include "customui/kit/istylehelper.h"
#include "customui/kit/uiscale.h"

namespace {

const QString kIcons = QStringLiteral(":/cameratoolbar/cameratoolbar/");
constexpr int kWidth = 85;
constexpr int kHeight = 60;
constexpr int kRadius = 6;
constexpr int kPadding = 12;

QString icon(const char* name)
{
    return kIcons + QLatin1String(name) + QStringLiteral(".svg");
}

}  // namespace

ICameraToolBar::ICameraToolBar(QWidget* parent) : IToolBarBase(QStringLiteral("camera"), parent)
{
    CreateUI();
}

IIToolButton* ICameraToolBar::makeButton(int id, const QString& toolTip, const QString& pressedIcon,
                                         const QString& normalIcon, bool checkable)
{
    return addButton(new IIToolButton(id, toolTip, normalIcon, pressedIcon, kRadius, checkable,
                                      kWidth, kHeight, kPadding, this));
}

void ICameraToolBar::CreateUI()
{
    QList<IIToolButton*> leading;
    leading << makeButton(FocusExposure, tr("Focus and Exposure"), icon("ccameracontrolclick"),
                          icon("ccameracontrolnormal"), false)
            << makeButton(Magnifier, tr("Magnifier"), icon("cmagnifierclick"),
                          icon("cmagnifiernormal"), false)
            << makeButton(Resolution, tr("Resolution"), icon("cpixrateclick"),
                          icon("cpixratenormal"), false)
            << makeButton(ZoomIn, tr("Zoom-in"), icon("caddscaleclick"), icon("caddscalenormal"),
                          false)
            << makeButton(ZoomOut, tr("Zoom-out"), icon("csubscaleclick"), icon("csubscalenormal"),
                          false)
            << makeButton(Rotate, tr("Rotate"), icon("crotateclick"), icon("crotatenormal"), false)
            << makeButton(Freeze, tr("Freeze"), icon("cfreezeclick"), icon("cfreezenormal"), true)
            << makeButton(ColorAdjusting, tr("Color-adjusting"), icon("cparameterclick"),
                          icon("cparameternormal"), false)
            << makeButton(SelfAdapting, tr("Self-adapting"), icon("cresetclick"),
                          icon("cresetnormal"), false)
            << makeButton(AutoEdge, tr("Automatic edging"), icon("autoedgeclick"),
                          icon("autoedgenormal"), true)
            << makeButton(Camera, tr("Camera"), icon("autoedgeclick"), icon("autoedgenormal"),
                          false)
            << makeButton(PictureInPicture, tr("Picture-in-picture"), icon("csmallcameraclick"),
                          icon("csmallcameranormal"), false)
            << makeButton(SplitScreen, tr("Split-screen"), icon("ccomparclick"),
                          icon("ccomparnormal"), false);

    auto* snap = addButton(new IIToolButton(Snap, tr("Snap"), icon("ccameranormal"),
                                            icon("ccameraclick"), 154, 72, LeftCorners, 8, this));
    snap->setShortcut(QKeySequence(Qt::Key_Space));
    auto* photoMode =
        addButton(new IIToolButton(PhotoMode, tr("Photo-mode"), icon("cdropnoranl"),
                                   icon("cdropclick"), 52, 72, RightCorners, 14, this));

    QList<IIToolButton*> trailing;
    trailing << makeButton(VideoRecording, tr("Video-Recording"), icon("cvediorecordclick"),
                           icon("cvediorecordnormal"), true)
             << makeButton(Ocr, tr("OCR"), icon("cocrclick"), icon("cocrnormal"), false)
             << makeButton(Pdf, tr("PDF"), icon("cpdfclick"), icon("cpdfnormal"), false)
             << makeButton(Mirror, tr("Mirror"), icon("cmirrorclick"), icon("cmirrornormal"), true)
             << makeButton(Flip, tr("Flip"), icon("cflipclick"), icon("cflipnormal"), true);

    auto* row = new QHBoxLayout;
    row->addSpacing(static_cast<int>(200 * uiScale));
    for (IIToolButton* b : leading) {
        row->addWidget(b);
    }
    row->addStretch();
    auto* snapRow = new QHBoxLayout;
    snapRow->setSpacing(0);
    snapRow->addWidget(snap);
    snapRow->addWidget(photoMode);
    row->addLayout(snapRow);
    row->addStretch();
    for (IIToolButton* b : trailing) {
        row->addWidget(b);
    }
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(row);

    for (int id : {Magnifier, ZoomIn, ZoomOut, Rotate, SelfAdapting, Camera}) {
        button(id)->hide();
    }
}
