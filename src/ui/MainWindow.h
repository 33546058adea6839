#pragma once

#include <QDialog>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>

#include "ui/PortList.h"
#include "ui/QtTranslation.h"
#include "ui/TabOrder.h"
#include "window/form/FormHost.h"

class QProgressBar;
class QPushButton;
class QTabBar;
class QToolBar;

namespace rotaline {

class Control;
class StatusText;
class MainForm;
class SheetCommands;
class TabStrip;
class Toolbar;

// The programmer's window: widgets built from the layout table and kept in step with the form.
class MainWindow : public QMainWindow, public FormHost {
    Q_OBJECT
public:
    explicit MainWindow(MainForm& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Makes what the first sight of the window does not need: the controls of the tab pages not
    // shown and those hidden, the reading Tab order, the note boxes' focus frames, the window's
    // icon. The window calls it once it is painted; whoever reads it before that calls it first.
    void finishStartUp();
    void setVisible(bool visible) override;

    // A control's widget; one start-up has not made yet is made first, with the rest.
    QWidget* widget(const QString& name) const;
    QAction* action(const QString& name) const { return actions_.value(name); }
    QString widgetName(const QWidget* shown) const {
        return widgets_.key(const_cast<QWidget*>(shown));
    }
    QWidget* client() const { return client_; }
    // Names the device behind each entry of the port list, beside it and in its tooltip; is
    // told which entry the user chose before the form acts on it. The list has the focus.
    void setPortList(PortList::Describer describer, PortList::Chooser chooser);
    // What the About dialog's system-information button starts.
    void setSystemInformation(std::function<void()> start);
    // What shows the serial adapters.
    void setAdapters(std::function<void()> show);
    // What File > History, Print setup sheet and Export setup sheet as PDF do.
    void setSheetCommands(SheetCommands* commands) { sheets_ = commands; }
    // A button in the status bar that does `accept` once, when clicked.
    void offer(const Say& text, std::function<void()> accept);

    void showAbout() override;
    void showAdapters() override;
    void showGuide() override;
    void showJournal() override;
    void printSheet() override;
    void exportSheet() override;
    void unload() override;
    void lineBusy() override;
    void lineCarried() override;
    void showStatus(const Say& text) override;
    void fileShown(const QString& path, bool changed) override;
    void useLanguage(const Language& language) override;

    StatusText* lineText() const { return lineText_; }

signals:
    // The window has closed; the port may still be sending what it was given.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void checkLanguage();
    void buildControls();
    bool neededNow(const Control& control) const;
    void buildNeeded();
    QList<QWidget*> buildControl(Control& control);
    QList<QWidget*> widgetsInOrder() const;
    void stackInDesignOrder(const QList<QWidget*>& made);
    void darkenBackdrops(const QList<QWidget*>& made);
    QWidget* parentWidgetOf(const Control& control) const;
    QWidget* createWidget(Control& control, QWidget* parent);
    QWidget* createBareWidget(Control& control, QWidget* parent);
    QWidget* createLabel(const Control& control, QWidget* parent);
    void bindWidget(Control& control, QWidget* widget);
    QList<QWidget*> createOptionButtons(Control& control, QWidget* parent);
    QWidget* createTabStrip(TabStrip& tabs, QWidget* parent);
    QWidget* createToolbar(Toolbar& toolbar, QWidget* parent);
    void place(const QString& name, QWidget* widget) const;
    QList<TabStop> tabStops() const;
    void showTabPages();
    void buildStatusBar();
    void nameStatusBar();
    void showLine();
    // The status text again, from what it says now: the line, or the status last shown.
    void restate();

    MainForm& form_;
    std::function<void()> startSystemInformation_;
    std::function<void()> showAdapters_;
    SheetCommands* sheets_ = nullptr;
    QWidget* client_;
    QTabBar* tabBar_ = nullptr;
    QHash<QString, QWidget*> widgets_;
    QSet<const Control*> made_;
    bool showing_ = false;
    bool finished_ = false;
    QHash<QString, QAction*> actions_;
    StatusText* lineText_ = nullptr;
    Say status_;  // shown in place of the line's state, in the language shown
    const Language* language_ = &English;
    QProgressBar* lineProgress_ = nullptr;
    QPushButton* offer_ = nullptr;
    Say offerText_;
    QTimer lineTimer_;
    QtTranslation qtTexts_;
    QPointer<QDialog> guide_;
};

}  // namespace rotaline
