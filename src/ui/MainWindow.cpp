#include "ui/MainWindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

#include "platform/Printable.h"
#include "ui/AboutDialog.h"
#include "ui/AccessibleControls.h"
#include "ui/Captions.h"
#include "ui/FirstPaint.h"
#include "ui/FocusScrollBar.h"
#include "ui/LayoutTable.h"
#include "ui/MenuKeys.h"
#include "ui/OptionKeys.h"
#include "ui/PictureIcon.h"
#include "ui/PictureWidget.h"
#include "ui/PortList.h"
#include "ui/SheetCommands.h"
#include "ui/StatusText.h"
#include "ui/TabOrder.h"
#include "ui/UnsentMark.h"
#include "ui/WheelGuard.h"
#include "ui/WidgetBinding.h"
#include "window/controls/ControlNames.h"
#include "window/form/MainForm.h"
#include "window/record/UserGuide.h"

// The drawings live in this static library; they must be registered before first use.
static void loadPictures() {
    Q_INIT_RESOURCE(pictures);
}

namespace rotaline {

namespace {

constexpr int TabBarHeight = 24;
constexpr QRgb BackdropColour = qRgb(224, 224, 224);
constexpr QRgb LineColour = qRgb(96, 96, 96);
constexpr QRgb TextOnBackdrop = qRgb(32, 32, 32);

// Filled from its own palette, which a desktop palette does not replace.
QWidget* filledRectangle(QWidget* parent, QRgb colour) {
    auto* shape = new QFrame(parent);
    QPalette palette = shape->palette();
    palette.setColor(QPalette::Window, QColor(colour));
    shape->setPalette(palette);
    shape->setAutoFillBackground(true);
    return shape;
}

// The light-grey backdrops keep their colour under any desktop palette, so what lies on them
// is written in a dark colour; everything else follows the palette. Of the backdrop's siblings
// only those in `fresh` are looked at, unless the backdrop is new itself.
void darkenTextOn(QWidget* backdrop, const QSet<QWidget*>& fresh) {
    const bool all = fresh.contains(backdrop);
    for (QObject* child : backdrop->parentWidget()->children()) {
        auto* sibling = qobject_cast<QWidget*>(child);
        if (sibling != nullptr && sibling != backdrop && (all || fresh.contains(sibling)) &&
            backdrop->geometry().contains(sibling->geometry())) {
            QPalette palette = sibling->palette();
            palette.setColor(QPalette::WindowText, QColor(TextOnBackdrop));
            sibling->setPalette(palette);
        }
    }
}

// A read-only box draws no focus of its own, yet it is a Tab stop.
void frameFocus(QPlainTextEdit* box) {
    box->setStyleSheet(
        QStringLiteral("QPlainTextEdit:focus { border: 2px solid palette(highlight); }"));
}

}  // namespace

MainWindow::MainWindow(MainForm& form, QWidget* parent)
    : QMainWindow(parent), form_(form), client_(new QWidget(this)) {
    loadPictures();
    installAccessibleControls();
    setWindowTitle(QStringLiteral("Rotaline"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    QFont font = client_->font();
    font.setPointSize(9);
    client_->setFont(font);
    client_->setFixedSize(ClientWidth, ClientHeight);
    setCentralWidget(client_);
    buildMenus();
    buildControls();
    buildStatusBar();
    form_.setHost(this);
    afterFirstPaint(*this, [this] { finishStartUp(); });
    setFixedSize(ClientWidth,
                 ClientHeight + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

MainWindow::~MainWindow() {
    form_.setHost(nullptr);
}

void MainWindow::finishStartUp() {
    if (std::exchange(finished_, true)) {
        return;
    }
    buildNeeded();
    setReadingTabOrder(client_, tabStops());
    for (QPlainTextEdit* box : client_->findChildren<QPlainTextEdit*>()) {
        frameFocus(box);
    }
    // Drawn at four sizes for the window manager.
    setWindowIcon(pictureIcon(QStringLiteral("rotaline")));
}

QWidget* MainWindow::widget(const QString& name) const {
    if (!finished_ && !widgets_.contains(name)) {
        const_cast<MainWindow*>(this)->finishStartUp();  // no window is made const
    }
    return widgets_.value(name);
}

void MainWindow::setVisible(bool visible) {
    if (visible) {
        showing_ = true;
        buildNeeded();
    }
    QMainWindow::setVisible(visible);
}

void MainWindow::setPortList(PortList::Describer describer, PortList::Chooser chooser) {
    auto* ports = qobject_cast<PortList*>(widget(form_.controls().ComboCOM->name()));
    ports->setDescriber(std::move(describer));
    ports->setChooser(std::move(chooser));
    ports->setFocus();
}

void MainWindow::setSystemInformation(std::function<void()> start) {
    startSystemInformation_ = std::move(start);
}

void MainWindow::setAdapters(std::function<void()> show) {
    showAdapters_ = std::move(show);
}

void MainWindow::offer(const Say& text, std::function<void()> accept) {
    offerText_ = text;
    offer_ = new QPushButton(text(*language_), statusBar());
    statusBar()->addPermanentWidget(offer_);
    connect(offer_, &QPushButton::clicked, this, [this, accept = std::move(accept)] {
        offer_->hide();
        accept();
    });
}

void MainWindow::showAdapters() {
    if (showAdapters_) {
        showAdapters_();
    }
}

// One guide window beside the main one, written anew in the language shown.
void MainWindow::showGuide() {
    if (guide_ == nullptr) {
        guide_ = new QDialog(this);
        auto* layout = new QVBoxLayout(guide_);
        layout->addWidget(new QTextBrowser(guide_));
        guide_->resize(560, 620);
    }
    guide_->setWindowTitle(userGuideTitle(*language_));
    guide_->findChild<QTextBrowser*>()->setHtml(
        userGuide(form_, !QKeySequence(QKeySequence::Quit).isEmpty()));
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}

void MainWindow::showJournal() {
    if (sheets_ != nullptr) {
        sheets_->showHistory();
    }
}

void MainWindow::printSheet() {
    if (sheets_ != nullptr) {
        sheets_->print();
    }
}

void MainWindow::exportSheet() {
    if (sheets_ != nullptr) {
        sheets_->exportPdf();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    lineTimer_.stop();
    event->accept();
    emit closed();
}

// Under the window, for what is on the line: it adds its own height and moves nothing.
void MainWindow::buildStatusBar() {
    lineText_ = new StatusText(statusBar());
    lineProgress_ = new QProgressBar(statusBar());
    lineProgress_->setFixedWidth(120);
    lineProgress_->setTextVisible(false);
    lineProgress_->hide();
    statusBar()->addWidget(lineText_, 1);
    statusBar()->addPermanentWidget(lineProgress_);
    statusBar()->setSizeGripEnabled(false);
    lineTimer_.setInterval(100);
    connect(&lineTimer_, &QTimer::timeout, this, &MainWindow::showLine);
    nameStatusBar();
    // The status text counts the marked settings and names commands: it is said again whenever
    // a mark or a command's enabling changes, whichever step changed it.
    for (Control* control : form_.controlsInOrder()) {
        const bool command = control->kind() == ControlKind::MenuItem;
        watch(*control, lineText_, [this, command](Property property) {
            if (property == Property::UnsentMark || (command && property == Property::Enabled)) {
                restate();
            }
        });
    }
}

void MainWindow::nameStatusBar() {
    statusBar()->setAccessibleName(texts::Names(*language_, texts::StatusBarName));
    lineProgress_->setAccessibleName(texts::Names(*language_, texts::LineProgressName));
}

void MainWindow::lineBusy() {
    status_ = nullptr;
    showLine();
    lineTimer_.start();
}

// Said at once, not at the next look at the line.
void MainWindow::lineCarried() {
    if (lineTimer_.isActive()) {
        showLine();
    }
}

void MainWindow::showStatus(const Say& text) {
    lineTimer_.stop();
    lineProgress_->hide();
    status_ = text;
    QString shown = text(*language_).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (const int unsent = form_.unsentCount(); unsent > 0) {
        shown = unsentText(unsent, form_.controls().mnuSendAll->isEnabled(), *language_) +
                QStringLiteral(". ") + shown;
    }
    lineText_->setWholeText(shown);
}

// The title names the file, as desktops write it: the file first, marked when the window
// differs from it.
void MainWindow::fileShown(const QString& path, bool changed) {
    if (path.isEmpty()) {
        return;
    }
    if (sheets_ != nullptr) {
        sheets_->setFile(path, changed);
    }
    setWindowTitle(printable(QFileInfo(path).fileName()) +
                   (changed ? QStringLiteral("*") : QString()) +
                   QStringLiteral(" \u2014 Rotaline"));
}

void MainWindow::useLanguage(const Language& language) {
    qtTexts_.use(language);
    language_ = &language;
    nameStatusBar();
    checkLanguage();
    if (offer_ != nullptr) {
        offer_->setText(offerText_(language));
    }
    restate();
}

void MainWindow::restate() {
    if (status_) {
        showStatus(status_);
    } else {
        showLine();
    }
}

void MainWindow::showLine() {
    const LineStatus line = form_.lineStatus();
    lineText_->setWholeText(line.text);
    lineProgress_->setVisible(line.busy);
    lineProgress_->setValue(line.percent);
    if (!line.busy) {
        lineTimer_.stop();
    }
}

void MainWindow::showAbout() {
    AboutDialog::showOnce(startSystemInformation_);
}

void MainWindow::unload() {
    close();
}

namespace {

// A separator shows as a line only; other items with their access keys.
QString menuText(const Control& item) {
    return item.caption() == QLatin1String("-") ? QString() : markedText(item);
}

}  // namespace

void MainWindow::buildMenus() {
    const Controls& c = form_.controls();
    const QHash<const Control*, QKeySequence> shortcuts{
        {c.mnuOpen, QKeySequence::Open},
        {c.mnuSave, QKeySequence::Save},
        {c.mnuExit, QKeySequence::Quit},
        {c.mnuUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {c.mnuRedo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}};
    QHash<QString, QMenu*> menus;
    for (Control* control : form_.controlsInOrder()) {
        if (control->kind() == ControlKind::Menu) {
            QMenu* menu = menuBar()->addMenu(markedText(*control));
            menu->setToolTipsVisible(true);  // a disabled item shows no status tip
            menus.insert(control->name(), menu);
            watch(*control, menu,
                  [control, menu](Property) { menu->setTitle(markedText(*control)); });
        } else if (control->kind() == ControlKind::MenuItem) {
            QAction* action = menus.value(control->parentName())->addAction(menuText(*control));
            action->setSeparator(control->caption() == QLatin1String("-"));
            action->setShortcut(shortcuts.value(control));
            actions_.insert(control->name(), action);
            const auto show = [control, action] {
                action->setText(menuText(*control));
                action->setVisible(control->isVisible());
                action->setEnabled(control->isEnabled());
                action->setToolTip(control->toolTip());  // why it is disabled, where it is
            };
            show();
            watch(*control, action, [show](Property) { show(); });
            connect(action, &QAction::triggered, this, [control] { control->click(); });
        }
    }
    // The Language menu checks the language shown, also after a switch declined.
    for (const Language& language : Languages) {
        QAction* item = actions_.value(fromView(language.menuItem));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, &MainWindow::checkLanguage);
    }
    checkLanguage();
    bindMenuKeys(*this);
}

void MainWindow::checkLanguage() {
    for (const Language& language : Languages) {
        actions_.value(fromView(language.menuItem))->setChecked(&language == language_);
    }
}

QWidget* MainWindow::parentWidgetOf(const Control& control) const {
    const QString& parent = control.parentName();
    if (parent.isEmpty() || parent == form_.controls().SSTab1->name()) {
        return client_;
    }
    return widgets_.value(parent, client_);
}

void MainWindow::place(const QString& name, QWidget* widget) const {
    if (const Placement* at = findPlacement(name.toStdString())) {
        widget->setGeometry(at->left, at->top, at->width, at->height);
    }
}

void MainWindow::buildControls() {
    buildNeeded();
    for (Control* control : form_.controlsInOrder()) {
        const bool onPage = form_.tabPageOf(control->name()) >= 0;
        if (onPage ? control->parentName() == form_.controls().SSTab1->name()
                   : !made_.contains(control)) {
            watch(*control, this, [this, onPage](Property property) {
                if (property == Property::Visible) {
                    onPage ? showTabPages() : buildNeeded();
                }
            });
        }
    }
}

// What the window shows is made when it first shows it: a page's controls when the page is
// shown, the others' when they and what they lie in are visible. The rest is made once the
// window is painted, and Tab goes in reading order from then on.
bool MainWindow::neededNow(const Control& control) const {
    if (finished_) {
        return true;
    }
    if (const int page = form_.tabPageOf(control.name()); page >= 0) {
        return showing_ && page == form_.controls().SSTab1->selected();
    }
    for (const Control* shown = &control; shown != nullptr;
         shown = form_.find(shown->parentName())) {
        if (!shown->isVisible()) {
            return false;
        }
    }
    return true;
}

void MainWindow::buildNeeded() {
    const bool first = made_.isEmpty();
    QList<QWidget*> made;
    for (Control* control : form_.controlsInOrder()) {
        if (!made_.contains(control) && neededNow(*control)) {
            made_.insert(control);
            made << buildControl(*control);
        }
    }
    if (made.isEmpty()) {
        return;
    }
    if (!first) {
        stackInDesignOrder(made);
    }
    darkenBackdrops(made);
    showTabPages();
}

QList<QWidget*> MainWindow::buildControl(Control& control) {
    if (control.kind() == ControlKind::Menu || control.kind() == ControlKind::MenuItem) {
        return {};
    }
    QWidget* parent = parentWidgetOf(control);
    if (control.kind() == ControlKind::OptionGroup) {
        return createOptionButtons(control, parent);
    }
    QWidget* widget = createWidget(control, parent);
    if (widget == nullptr) {
        return {};
    }
    widgets_.insert(control.name(), widget);
    if (qobject_cast<QComboBox*>(widget) || qobject_cast<QScrollBar*>(widget)) {
        guardWheel(widget);
        bindUnsentMark(control, {widget});
    }
    return {widget};
}

// Every widget, in the order of the controls.
QList<QWidget*> MainWindow::widgetsInOrder() const {
    QList<QWidget*> widgets;
    for (Control* control : form_.controlsInOrder()) {
        for (const Control* part : control->parts()) {
            widgets << widgets_.value(part->name());
        }
        widgets << widgets_.value(control->name());
    }
    widgets.removeAll(nullptr);
    return widgets;
}

// Widgets made late lie under the later controls' as if made in order, for the eye and for
// the order in which a screen reader walks them.
void MainWindow::stackInDesignOrder(const QList<QWidget*>& made) {
    const QSet<QWidget*> fresh(made.begin(), made.end());
    const QList<QWidget*> widgets = widgetsInOrder();
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        if (!fresh.contains(widgets[i])) {
            continue;
        }
        for (qsizetype later = i + 1; later < widgets.size(); ++later) {
            if (!fresh.contains(widgets[later]) &&
                widgets[later]->parentWidget() == widgets[i]->parentWidget()) {
                widgets[i]->stackUnder(widgets[later]);
                break;
            }
        }
    }
}

void MainWindow::darkenBackdrops(const QList<QWidget*>& made) {
    const QSet<QWidget*> fresh(made.begin(), made.end());
    for (Control* control : form_.controlsInOrder()) {
        if (QWidget* backdrop = widgets_.value(control->name());
            backdrop != nullptr && control->kind() == ControlKind::Shape) {
            darkenTextOn(backdrop, fresh);
        }
    }
}

// Every control made that takes the focus; an option group is one stop.
QList<TabStop> MainWindow::tabStops() const {
    QList<TabStop> stops;
    for (Control* control : form_.controlsInOrder()) {
        TabStop stop;
        for (const Control* part : control->parts()) {
            if (QWidget* button = widgets_.value(part->name())) {
                stop << button;
            }
        }
        if (control->kind() == ControlKind::TabStrip) {
            stop << tabBar_;
        } else if (QWidget* widget = widgets_.value(control->name());
                   widget != nullptr && (widget->focusPolicy() & Qt::TabFocus)) {
            stop << widget;
        }
        if (!stop.isEmpty()) {
            stops << stop;
        }
    }
    return stops;
}

QList<QWidget*> MainWindow::createOptionButtons(Control& control, QWidget* parent) {
    auto& group = static_cast<OptionGroup&>(control);
    QList<QRadioButton*> buttons;
    for (int i = 0; i < group.count(); ++i) {
        auto* button = new QRadioButton(parent);
        const QString name = group.button(i).name();
        place(name, button);
        bindOptionButton(group, i, button);
        widgets_.insert(name, button);
        buttons << button;
    }
    bindOptionKeys(group, buttons);
    QList<QWidget*> made(buttons.begin(), buttons.end());
    bindUnsentMark(control, made);
    return made;
}

QWidget* MainWindow::createWidget(Control& control, QWidget* parent) {
    QWidget* widget = createBareWidget(control, parent);
    if (widget != nullptr) {
        place(control.name(), widget);
        bindWidget(control, widget);
    }
    return widget;
}

QWidget* MainWindow::createBareWidget(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case ControlKind::Frame:
            return new QGroupBox(parent);
        case ControlKind::Label:
            return createLabel(control, parent);
        case ControlKind::Button:
            return new QPushButton(parent);
        case ControlKind::Image: {
            const Placement* at = findPlacement(control.name().toStdString());
            auto* picture = new PictureWidget(
                QString::fromLatin1(at->picture.data(), at->picture.size()), parent);
            connect(picture, &PictureWidget::clicked, this, [&control] { control.click(); });
            return picture;
        }
        case ControlKind::Shape:
            return filledRectangle(parent, BackdropColour);
        case ControlKind::Line:
            return filledRectangle(parent, LineColour);
        case ControlKind::TextBox: {
            auto* box = new QPlainTextEdit(parent);
            box->setReadOnly(true);
            box->setTabChangesFocus(true);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return box;
        }
        case ControlKind::ComboList:
            return &control == form_.controls().ComboCOM ? new PortList(parent)
                                                         : new QComboBox(parent);
        case ControlKind::ScrollBar:
            return new FocusScrollBar(parent);
        case ControlKind::TabStrip:
            return createTabStrip(static_cast<TabStrip&>(control), parent);
        case ControlKind::Toolbar:
            return createToolbar(static_cast<Toolbar&>(control), parent);
        default:
            return nullptr;
    }
}

QWidget* MainWindow::createLabel(const Control& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    if (&control == form_.controls().LabelDegree) {
        QFont large = label->font();
        large.setPointSize(15);
        label->setFont(large);
        label->setAlignment(Qt::AlignCenter);
    }
    return label;
}

void MainWindow::bindWidget(Control& control, QWidget* widget) {
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        bindTextBox(static_cast<TextBox&>(control), box);
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        bindComboList(static_cast<ComboList&>(control), list);
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
        bindScrollBar(static_cast<ScrollBar&>(control), bar);
    } else if (control.kind() != ControlKind::TabStrip && control.kind() != ControlKind::Toolbar) {
        bindCaptionedWidget(control, widget);
    }
}

QWidget* MainWindow::createTabStrip(TabStrip& tabs, QWidget* parent) {
    auto* strip = new QWidget(parent);
    tabBar_ = new QTabBar(strip);
    tabBar_->setExpanding(false);
    tabBar_->setDrawBase(false);
    tabBar_->setFocusPolicy(Qt::StrongFocus);
    auto* page = new QFrame(strip);
    page->setFrameShape(QFrame::StyledPanel);
    const Placement* at = findPlacement(form_.controls().SSTab1->name().toStdString());
    tabBar_->setGeometry(0, 0, at->width, TabBarHeight);
    page->setGeometry(0, TabBarHeight - 1, at->width, at->height - TabBarHeight + 1);
    auto show = [this, &tabs] {
        const QSignalBlocker blocker(tabBar_);
        for (int tab = 0; tab < tabs.count(); ++tab) {
            tabBar_->setTabText(tab, tabs.tabCaption(tab));
        }
        tabBar_->setCurrentIndex(tabs.selected());
        showTabPages();
    };
    for (int tab = 0; tab < tabs.count(); ++tab) {
        tabBar_->addTab(tabs.tabCaption(tab));
    }
    show();
    // Each tab says what the strip is for.
    auto describe = [this, &tabs] {
        showAccessible(tabs, tabBar_);
        for (int tab = 0; tab < tabs.count(); ++tab) {
            tabBar_->setTabToolTip(tab, tabs.description());
        }
    };
    describe();
    watch(tabs, tabBar_, [show, describe](Property property) {
        property == Property::Accessible ? describe() : show();
    });
    connect(tabBar_, &QTabBar::currentChanged, this, [&tabs, show](int tab) {
        tabs.select(tab);
        show();
    });
    return strip;
}

QWidget* MainWindow::createToolbar(Toolbar& toolbar, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    QList<QPair<QString, QAction*>> actions;
    for (const Toolbar::Button& button : toolbar.buttons()) {
        QAction* action = bar->addAction(pictureIcon(button.picture), button.picture);
        const QString key = button.key;
        connect(action, &QAction::triggered, this, [&toolbar, key] { toolbar.clickButton(key); });
        actions.append({key, action});
    }
    // Each button is named, and shows its name as its tooltip, in the language of the form.
    auto name = [this, &toolbar, bar, actions] {
        showAccessible(toolbar, bar);
        for (const auto& [key, action] : actions) {
            action->setText(toolbarButtonName(key, *form_.flags().language));
        }
    };
    name();
    watch(toolbar, bar, [name](Property property) {
        if (property == Property::Accessible) {
            name();
        }
    });
    return bar;
}

// Controls of a tab page show only while their tab is current.
void MainWindow::showTabPages() {
    const int current = form_.controls().SSTab1->selected();
    if (showing_) {
        buildNeeded();
    }
    for (Control* control : form_.controlsInOrder()) {
        const int page = form_.tabPageOf(control->name());
        QWidget* shown = widgets_.value(control->name());
        if (page >= 0 && shown != nullptr &&
            control->parentName() == form_.controls().SSTab1->name()) {
            shown->setVisible(control->isVisible() && page == current);
        }
    }
}

}  // namespace rotaline
