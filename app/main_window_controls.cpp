// The regions of the main window at their design sizes (client area 1001 × 545).
#include "app/main_window_controls.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/chapter_tree_view.h"
#include "app/status_panels.h"
#include "app/study_controller.h"
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
constexpr int kWindowButtonTop = 2;

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

void MainWindowControls::createTitleStrip(QWidget* window, const QString& programDir) {
    Panel5 = fixedHeightPanel(window, kTitleHeight, QStringLiteral("Panel5"));
    auto* cell = new QGridLayout(Panel5);
    cell->setContentsMargins(0, 0, 0, 0);
    Image1 = stripPicture(Panel5, QStringLiteral("Image1"),
                          gradient(QColor(38, 168, 176), QColor(0, 112, 120)));
    Image1->setEnabled(false);  // the title strip itself receives the mouse over the picture
    cell->addWidget(Image1, 0, 0);

    Label4 = new QLabel(kProductLabel, Panel5);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont title;
    title.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"),
                       QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC"),
                       QStringLiteral("serif")});
    title.setPixelSize(17);
    title.setBold(true);
    Label4->setFont(title);
    Label4->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    Label4->setContentsMargins(10, 0, 0, 0);
    cell->addWidget(Label4, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);

    Label2 = new QLabel(QStringLiteral("职业病"), Panel5);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();

    // The window buttons at the right end, placed by placeWindowButtons().
    struct Place {
        ui::PictureButton*& button;
        const char* name;
        QString label;
        QString picture;  // the hover pictures are <picture>-1/-2/-3.bmp
    };
    const Place places[] = {
        {NewImage9, "NewImage9", QStringLiteral("—"), QStringLiteral("MinBtn")},
        {NewImage8, "NewImage8", QStringLiteral("□"), QStringLiteral("MaxBtn")},
        {NewImage19, "NewImage19", QStringLiteral("❐"), QStringLiteral("resBtn")},
        {NewImage7, "NewImage7", QStringLiteral("✕"), QStringLiteral("CloseBtn")},
    };
    for (const Place& place : places) {
        place.button = addPictureButton(Panel5, place.label, QString::fromLatin1(place.name));
        place.button->resize(28, 21);
        setStripPictures(place.button, programDir, place.picture);
    }
    NewImage19->hide();
    placeWindowButtons(window->screen()->geometry().width(), false);
}

void MainWindowControls::createToolBar(QWidget* window, const QString& programDir) {
    ToolBar1 = fixedHeightPanel(window, kToolBarHeight, QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(ToolBar1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    struct Place {
        ui::PictureButton*& button;
        const char* name;
        QString label;
        QString leave, move, press;  // below tp/
    };
    const Place places[] = {
        {gjst, "gjst", QStringLiteral("考试题库"), "kstk-1.jpg", "KSTK-2.jpg", "KSTK-3.jpg"},
        {NewImage1, "NewImage1", QStringLiteral("我的收藏"), "wdsc-1.jpg", "wdsc-2.jpg",
         "wdsc-3.jpg"},
        {rjdh, "rjdh", QStringLiteral("人机对话"), "rjdh-1.jpg", "rjdh-2.jpg", "rjdh-3.jpg"},
        {NewImage6, "NewImage6", QStringLiteral("模拟考场"), "mnkc-1.jpg", "mnkc-2.jpg",
         "mnkc-3.jpg"},
        {NewImage20, "NewImage20", QStringLiteral("错题题库"), "cttk-1.jpg", "cttk-2.jpg",
         "cttk-3.jpg"},
        {NewImage4, "NewImage4", QStringLiteral("数据备份"), "sjbf-1.jpg", "sjbf-2.jpg",
         "sjbf-3.jpg"},
        // Pressing the restore button shows its leave picture.
        {NewImage2, "NewImage2", QStringLiteral("数据还原"), "sjhy-1.jpg", "sjhy-2.jpg",
         "sjhy-1.jpg"},
        {rjsj, "rjsj", QStringLiteral("软件升级"), "rjsj-1.jpg", "rjsj-2.jpg", "rjsj-3.jpg"},
        {zxkf, "zxkf", QStringLiteral("在线客服"), "zxkf-1.jpg", "zxkf-2.jpg", "zxkf-3.jpg"},
        {zxsc, "zxsc", QStringLiteral("在线商城"), "zxsc-1.jpg", "zxsc-2.jpg", "zxsc-3.jpg"},
        {sybz, "sybz", QStringLiteral("使用帮助"), "sybz-1.jpg", "sybz-2.jpg", "sybz-3.jpg"},
    };
    const QString folder = QStringLiteral("/tp/");
    for (const Place& place : places) {
        place.button = addPictureButton(ToolBar1, place.label, QString::fromLatin1(place.name));
        place.button->setFixedSize(place.button == gjst ? 63 : 58, kToolBarHeight);
        place.button->setPictures(programDir, folder + place.leave, folder + place.move,
                                  folder + place.press);
        row->addWidget(place.button);
    }

    // The rest of the toolbar: a stretched background picture with the logo on it.
    Panel7 = new QLabel(ToolBar1);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setPixmap(QPixmap(programDir + QStringLiteral("tp/toolbar-back.jpg")));
    Panel7->setScaledContents(true);
    Panel7->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // takes what is left
    AdvOfficeImage3 = new QLabel(Panel7);
    AdvOfficeImage3->setObjectName(QStringLiteral("AdvOfficeImage3"));
    AdvOfficeImage3->setPixmap(QPixmap(programDir + QStringLiteral("tp/logo.png")));
    AdvOfficeImage3->setGeometry(kLogoHomeX, 0, 230, kToolBarHeight);
    row->addWidget(Panel7, 1);
}

void MainWindowControls::createLeftColumn() {
    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel6 = new QLabel(pages::kStartKey, Panel2);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setFixedHeight(kModeStripHeight);
    auto* cell = new QGridLayout(Panel6);
    cell->setContentsMargins(0, 0, 0, 0);
    Image8 = stripPicture(Panel6, QStringLiteral("Image8"),
                          gradient(QColor(64, 160, 200), QColor(28, 104, 160)));
    cell->addWidget(Image8, 0, 0);  // covers the mode key completely
    Label3 = new QLabel(pages::kExerciseSetKey, Panel6);
    Label3->setObjectName(QStringLiteral("Label3"));
    QFont bold = Label3->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    Label3->setFont(bold);
    Label3->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    cell->addWidget(Label3, 0, 0, Qt::AlignCenter);
    column->addWidget(Panel6);

    TreeView1 = new ChapterTreeView(Panel2);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    column->addWidget(TreeView1, 1);
}

void MainWindowControls::createRightColumn(const QString& programDir) {
    Panel3 = new QWidget(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* column = new QVBoxLayout(Panel3);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createCommandStrip(programDir);
    column->addWidget(Panel4);
    WebBrowser1 = new pageview::WebPageView(Panel3);
    // The page process starts on the chapter template while the rest of the window is made;
    // the first chapter's build takes that page over.
    WebBrowser1->warmUp(programDir + QStringLiteral("ty.html"));
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    column->addWidget(WebBrowser1, 1);
}

// The engine's own menu is off (it offers Back and Reload, which would replace a built page);
// the page's menu holds printing alone.
void MainWindowControls::createPageMenu(QWidget* window) {
    PrintPage = new QAction(QStringLiteral("打印…"), window);
    PrintPage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    window->addAction(PrintPage);
    ExportPdf = new QAction(QStringLiteral("导出为 PDF…"), window);
    PageMenu = new QMenu(WebBrowser1);
    PageMenu->setObjectName(QStringLiteral("PageMenu"));
    PageMenu->addAction(PrintPage);
    PageMenu->addAction(ExportPdf);
    WebBrowser1->setContextMenuPolicy(Qt::CustomContextMenu);
}

void MainWindowControls::createCommandStrip(const QString& programDir) {
    Panel4 = fixedHeightPanel(Panel3, kCommandStripHeight, QStringLiteral("Panel4"));
    Panel4->setAttribute(Qt::WA_StyledBackground);
    Panel4->setStyleSheet(QStringLiteral("#Panel4 {") +
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
        {NewImage10, "NewImage10", QStringLiteral("显示答案"), 30, 95, QStringLiteral("xsda")},
        {NewImage16, "NewImage16", QStringLiteral("隐藏答案"), 29, 95, QStringLiteral("ycda")},
        {NewImage11, "NewImage11", QStringLiteral("重新答题"), 147, 95, QStringLiteral("cxdt")},
        {NewImage12, "NewImage12", QStringLiteral("提交试卷"), 261, 95, QStringLiteral("tjsj")},
        {NewImage14, "NewImage14", QStringLiteral("放大"), 466, 76, QStringLiteral("da")},
        {NewImage15, "NewImage15", QStringLiteral("缩小"), 561, 76, QStringLiteral("xiao")},
        {NewImage17, "NewImage17", QStringLiteral("全屏"), 648, 76, QStringLiteral("qpxs")},
        {NewImage18, "NewImage18", QStringLiteral("退出"), 649, 76, QStringLiteral("ckxs")},
    };
    for (const Place& place : places) {
        place.button = addPictureButton(Panel4, place.label, QString::fromLatin1(place.name));
        place.button->setGeometry(place.x, kCommandTop, place.width, 25);
        setStripPictures(place.button, programDir, place.picture);
    }
    NewImage16->hide();
    NewImage18->hide();

    BitBtn1 = new QPushButton(QStringLiteral("提交试卷"), Panel4);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(kHandInButtonHomeX, kCommandTop, 75, 25);
    BitBtn1->hide();
    Button1 = new QPushButton(Panel4);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
}

void MainWindowControls::createStatusBar(QWidget* window) {
    StatusBar1 = new StatusPanels(window);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFixedHeight(kStatusBarHeight);
}

void MainWindowControls::setStripPictures(ui::PictureButton* button, const QString& programDir,
                                          const QString& picture) {
    const QString stem = QStringLiteral("/tp/") + picture;
    button->setPictures(programDir, stem + QStringLiteral("-1.bmp"),
                        stem + QStringLiteral("-2.bmp"), stem + QStringLiteral("-3.bmp"));
}

ui::PictureButton* MainWindowControls::addPictureButton(QWidget* parent, const QString& label,
                                                        const QString& name) {
    auto* button = new ui::PictureButton(label, parent);
    button->setObjectName(name);
    return button;
}

void MainWindowControls::setupUi(QWidget* window, const QString& programDir) {
    window->setWindowFlag(Qt::FramelessWindowHint);
    window->setAutoFillBackground(true);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, QColor(0, 134, 143));
    window->setPalette(colours);
    window->resize(kClientSize + QSize(2 * kBorder, 2 * kBorder));

    auto* frame = new QVBoxLayout(window);
    frame->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    frame->setSpacing(0);
    createTitleStrip(window, programDir);
    frame->addWidget(Panel5);
    createToolBar(window, programDir);
    frame->addWidget(ToolBar1);

    Splitter1 = new QSplitter(Qt::Horizontal, window);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(1);
    Splitter1->setChildrenCollapsible(false);
    createLeftColumn();
    createRightColumn(programDir);
    createPageMenu(window);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kLeftColumnWidth, kClientSize.width() - kLeftColumnWidth - 1});
    frame->addWidget(Splitter1, 1);

    createStatusBar(window);
    frame->addWidget(StatusBar1);
}

void MainWindowControls::placeWindowButtons(int screenWidth, bool maximised) {
    NewImage9->move(maximised ? screenWidth - 110 : 911, kWindowButtonTop);
    NewImage8->move(940, kWindowButtonTop);
    NewImage19->move(screenWidth - 75, kWindowButtonTop);
    NewImage7->move(maximised ? screenWidth - 47 : 969, kWindowButtonTop);
}

}  // namespace app
