// The regions of the main window at their design sizes (client area 1001 × 545).
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/chapter_tree_view.h"
#include "app/main_window.h"
#include "app/status_panels.h"
#include "pages/view_mode.h"
#include "pageview/web_page_view.h"
#include "ui/picture_button.h"

namespace app {

namespace {

constexpr int kBorder = 3;
constexpr QSize kClientSize(1001, 545);
constexpr int kTitleHeight = 25;
constexpr int kToolBarHeight = 64;
constexpr int kLeftColumnWidth = 257;
constexpr int kModeStripHeight = 30;
constexpr int kCommandStripHeight = 31;
constexpr int kStatusBarHeight = 19;
constexpr int kCommandTop = 3;  // 25-high buttons centred in the 31-high strip

QString gradient(const QColor& top, const QColor& bottom) {
    return QStringLiteral(
               "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %1, stop:1 %2);")
        .arg(top.name(), bottom.name());
}

QWidget* fixedHeightPanel(QWidget* parent, int height, const QString& name) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setFixedHeight(height);
    return panel;
}

// A picture drawn in code, lying under the labels that share its grid cell.
QLabel* stripPicture(QWidget* parent, const QString& name, const QString& style) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setStyleSheet(style);
    return picture;
}

}  // namespace

void TForm10::createTitleStrip() {
    ui_.Panel5 = fixedHeightPanel(this, kTitleHeight, QStringLiteral("Panel5"));
    auto* cell = new QGridLayout(ui_.Panel5);
    cell->setContentsMargins(0, 0, 0, 0);
    ui_.Image1 = stripPicture(ui_.Panel5, QStringLiteral("Image1"),
                              gradient(QColor(38, 168, 176), QColor(0, 112, 120)));
    ui_.Image1->setEnabled(false);  // the title strip itself receives the mouse over the picture
    cell->addWidget(ui_.Image1, 0, 0);

    ui_.Label4 = new QLabel(kProductLabel, ui_.Panel5);
    ui_.Label4->setObjectName(QStringLiteral("Label4"));
    QFont title;
    title.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"),
                       QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC"),
                       QStringLiteral("serif")});
    title.setPixelSize(17);
    title.setBold(true);
    ui_.Label4->setFont(title);
    ui_.Label4->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    ui_.Label4->setContentsMargins(10, 0, 0, 0);
    cell->addWidget(ui_.Label4, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);

    ui_.Label2 = new QLabel(QStringLiteral("职业病"), ui_.Panel5);
    ui_.Label2->setObjectName(QStringLiteral("Label2"));
    ui_.Label2->hide();

    // The window buttons at the right end, placed by placeWindowButtons().
    struct Place {
        ui::PictureButton*& button;
        const char* name;
        QString label;
        QString picture;  // the hover pictures are <picture>-1/-2/-3.bmp
    };
    const Place places[] = {
        {ui_.NewImage9, "NewImage9", QStringLiteral("—"), QStringLiteral("MinBtn")},
        {ui_.NewImage8, "NewImage8", QStringLiteral("□"), QStringLiteral("MaxBtn")},
        {ui_.NewImage19, "NewImage19", QStringLiteral("❐"), QStringLiteral("resBtn")},
        {ui_.NewImage7, "NewImage7", QStringLiteral("✕"), QStringLiteral("CloseBtn")},
    };
    for (const Place& place : places) {
        place.button = addPictureButton(ui_.Panel5, place.label, QString::fromLatin1(place.name));
        place.button->resize(28, 21);
        setStripPictures(place.button, place.picture);
    }
    ui_.NewImage19->hide();
    placeWindowButtons(false);
}

void TForm10::createToolBar() {
    ui_.ToolBar1 = fixedHeightPanel(this, kToolBarHeight, QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(ui_.ToolBar1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    struct Place {
        ui::PictureButton*& button;
        const char* name;
        QString label;
        QString leave, move, press;  // below tp/
    };
    const Place places[] = {
        {ui_.gjst, "gjst", QStringLiteral("考试题库"), "kstk-1.jpg", "KSTK-2.jpg", "KSTK-3.jpg"},
        {ui_.NewImage1, "NewImage1", QStringLiteral("我的收藏"), "wdsc-1.jpg", "wdsc-2.jpg",
         "wdsc-3.jpg"},
        {ui_.rjdh, "rjdh", QStringLiteral("人机对话"), "rjdh-1.jpg", "rjdh-2.jpg", "rjdh-3.jpg"},
        {ui_.NewImage6, "NewImage6", QStringLiteral("模拟考场"), "mnkc-1.jpg", "mnkc-2.jpg",
         "mnkc-3.jpg"},
        {ui_.NewImage20, "NewImage20", QStringLiteral("错题题库"), "cttk-1.jpg", "cttk-2.jpg",
         "cttk-3.jpg"},
        {ui_.NewImage4, "NewImage4", QStringLiteral("数据备份"), "sjbf-1.jpg", "sjbf-2.jpg",
         "sjbf-3.jpg"},
        // Pressing the restore button shows its leave picture.
        {ui_.NewImage2, "NewImage2", QStringLiteral("数据还原"), "sjhy-1.jpg", "sjhy-2.jpg",
         "sjhy-1.jpg"},
        {ui_.rjsj, "rjsj", QStringLiteral("软件升级"), "rjsj-1.jpg", "rjsj-2.jpg", "rjsj-3.jpg"},
        {ui_.zxkf, "zxkf", QStringLiteral("在线客服"), "zxkf-1.jpg", "zxkf-2.jpg", "zxkf-3.jpg"},
        {ui_.zxsc, "zxsc", QStringLiteral("在线商城"), "zxsc-1.jpg", "zxsc-2.jpg", "zxsc-3.jpg"},
        {ui_.sybz, "sybz", QStringLiteral("使用帮助"), "sybz-1.jpg", "sybz-2.jpg", "sybz-3.jpg"},
    };
    const QString folder = QStringLiteral("/tp/");
    for (const Place& place : places) {
        place.button = addPictureButton(ui_.ToolBar1, place.label, QString::fromLatin1(place.name));
        place.button->setFixedSize(place.button == ui_.gjst ? 63 : 58, kToolBarHeight);
        place.button->setPictures(programDir_, folder + place.leave, folder + place.move,
                                  folder + place.press);
        row->addWidget(place.button);
    }

    // The rest of the toolbar: a stretched background picture with the logo on it.
    ui_.Panel7 = new QLabel(ui_.ToolBar1);
    ui_.Panel7->setObjectName(QStringLiteral("Panel7"));
    ui_.Panel7->setPixmap(QPixmap(programDir_ + QStringLiteral("tp/toolbar-back.jpg")));
    ui_.Panel7->setScaledContents(true);
    ui_.Panel7->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // takes what is left
    ui_.AdvOfficeImage3 = new QLabel(ui_.Panel7);
    ui_.AdvOfficeImage3->setObjectName(QStringLiteral("AdvOfficeImage3"));
    ui_.AdvOfficeImage3->setPixmap(QPixmap(programDir_ + QStringLiteral("tp/logo.png")));
    ui_.AdvOfficeImage3->setGeometry(kLogoHomeX, 0, 230, kToolBarHeight);
    row->addWidget(ui_.Panel7, 1);
}

void TForm10::createLeftColumn() {
    ui_.Panel2 = new QWidget(ui_.Splitter1);
    ui_.Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* column = new QVBoxLayout(ui_.Panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ui_.Panel6 = new QLabel(pages::kStartKey, ui_.Panel2);
    ui_.Panel6->setObjectName(QStringLiteral("Panel6"));
    ui_.Panel6->setFixedHeight(kModeStripHeight);
    auto* cell = new QGridLayout(ui_.Panel6);
    cell->setContentsMargins(0, 0, 0, 0);
    ui_.Image8 = stripPicture(ui_.Panel6, QStringLiteral("Image8"),
                              gradient(QColor(64, 160, 200), QColor(28, 104, 160)));
    cell->addWidget(ui_.Image8, 0, 0);  // covers the mode key completely
    ui_.Label3 = new QLabel(pages::kExerciseSetKey, ui_.Panel6);
    ui_.Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = ui_.Label3->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    ui_.Label3->setFont(bold);
    ui_.Label3->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    cell->addWidget(ui_.Label3, 0, 0, Qt::AlignCenter);
    column->addWidget(ui_.Panel6);

    ui_.TreeView1 = new ChapterTreeView(ui_.Panel2);
    ui_.TreeView1->setObjectName(QStringLiteral("TreeView1"));
    column->addWidget(ui_.TreeView1, 1);
}

void TForm10::createRightColumn() {
    ui_.Panel3 = new QWidget(ui_.Splitter1);
    ui_.Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* column = new QVBoxLayout(ui_.Panel3);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createCommandStrip();
    column->addWidget(ui_.Panel4);
    ui_.WebBrowser1 = new pageview::WebPageView(ui_.Panel3);
    // The page process starts on the chapter template while the rest of the window is made;
    // the first chapter's build takes that page over.
    ui_.WebBrowser1->warmUp(programDir_ + QStringLiteral("ty.html"));
    ui_.WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    column->addWidget(ui_.WebBrowser1, 1);
}

void TForm10::createCommandStrip() {
    ui_.Panel4 = fixedHeightPanel(ui_.Panel3, kCommandStripHeight, QStringLiteral("Panel4"));
    ui_.Panel4->setAttribute(Qt::WA_StyledBackground);
    ui_.Panel4->setStyleSheet(QStringLiteral("#ui_.Panel4 {") +
                              gradient(QColor(236, 244, 246), QColor(204, 226, 230)) +
                              QStringLiteral("}"));
    struct Place {
        ui::PictureButton*& button;
        const char* name;
        QString label;
        int x, width;
        QString picture;  // the hover pictures are <picture>-1/-2/-3.bmp
    };
    const Place places[] = {
        {ui_.NewImage10, "NewImage10", QStringLiteral("显示答案"), 30, 95, QStringLiteral("xsda")},
        {ui_.NewImage16, "NewImage16", QStringLiteral("隐藏答案"), 29, 95, QStringLiteral("ycda")},
        {ui_.NewImage11, "NewImage11", QStringLiteral("重新答题"), 147, 95, QStringLiteral("cxdt")},
        {ui_.NewImage12, "NewImage12", QStringLiteral("提交试卷"), 261, 95, QStringLiteral("tjsj")},
        {ui_.NewImage14, "NewImage14", QStringLiteral("放大"), 466, 76, QStringLiteral("da")},
        {ui_.NewImage15, "NewImage15", QStringLiteral("缩小"), 561, 76, QStringLiteral("xiao")},
        {ui_.NewImage17, "NewImage17", QStringLiteral("全屏"), 648, 76, QStringLiteral("qpxs")},
        {ui_.NewImage18, "NewImage18", QStringLiteral("退出"), 649, 76, QStringLiteral("ckxs")},
    };
    for (const Place& place : places) {
        place.button = addPictureButton(ui_.Panel4, place.label, QString::fromLatin1(place.name));
        place.button->setGeometry(place.x, kCommandTop, place.width, 25);
        setStripPictures(place.button, place.picture);
    }
    ui_.NewImage16->hide();
    ui_.NewImage18->hide();

    ui_.BitBtn1 = new QPushButton(QStringLiteral("提交试卷"), ui_.Panel4);
    ui_.BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    ui_.BitBtn1->setGeometry(kHandInButtonHomeX, kCommandTop, 75, 25);
    ui_.BitBtn1->hide();
    ui_.Button1 = new QPushButton(ui_.Panel4);
    ui_.Button1->setObjectName(QStringLiteral("Button1"));
    ui_.Button1->hide();
}

void TForm10::createStatusBar() {
    ui_.StatusBar1 = new StatusPanels(this);
    ui_.StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    ui_.StatusBar1->setFixedHeight(kStatusBarHeight);
}

void TForm10::setStripPictures(ui::PictureButton* button, const QString& picture) {
    const QString stem = QStringLiteral("/tp/") + picture;
    button->setPictures(programDir_, stem + QStringLiteral("-1.bmp"),
                        stem + QStringLiteral("-2.bmp"), stem + QStringLiteral("-3.bmp"));
}

ui::PictureButton* TForm10::addPictureButton(QWidget* parent, const QString& label,
                                             const QString& name) {
    auto* button = new ui::PictureButton(label, parent);
    button->setObjectName(name);
    return button;
}

// Builds every region; called once by the constructor.
void TForm10::createRegions() {
    setWindowFlag(Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0, 134, 143));
    setPalette(colours);
    resize(kClientSize + QSize(2 * kBorder, 2 * kBorder));

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    frame->setSpacing(0);
    createTitleStrip();
    frame->addWidget(ui_.Panel5);
    createToolBar();
    frame->addWidget(ui_.ToolBar1);

    ui_.Splitter1 = new QSplitter(Qt::Horizontal, this);
    ui_.Splitter1->setObjectName(QStringLiteral("Splitter1"));
    ui_.Splitter1->setHandleWidth(1);
    ui_.Splitter1->setChildrenCollapsible(false);
    createLeftColumn();
    createRightColumn();
    ui_.Splitter1->setStretchFactor(1, 1);
    ui_.Splitter1->setSizes({kLeftColumnWidth, kClientSize.width() - kLeftColumnWidth - 1});
    frame->addWidget(ui_.Splitter1, 1);

    createStatusBar();
    frame->addWidget(ui_.StatusBar1);
}

}  // namespace app
