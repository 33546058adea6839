#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace rotaline {

enum class ControlKind {
    Frame,
    Label,
    Button,
    Image,
    Shape,
    Line,
    TextBox,
    ComboList,
    OptionGroup,
    OptionButton,
    ScrollBar,
    TabStrip,
    Menu,
    MenuItem,
    Toolbar,
};

enum class Property {
    Caption,
    Visible,
    Enabled,
    ToolTip,
    Accessible,
    UnsentMark,
    Value,
    Items,
    Text,
    TextAppended
};

// A control of the window as the form logic sees it: name, caption, visibility and enabling.
// Setting these raises no event; observers (the widgets) are told of every change.
class Control {
public:
    using Observer = std::function<void(Property)>;

    Control(QString name, ControlKind kind, QString parent);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    ControlKind kind() const { return kind_; }
    const QString& parentName() const { return parent_; }

    const QString& caption() const { return caption_; }
    // A plain caption shows every "&" as it stands; a caption with access keys shows "&&" as
    // one "&" and "&X" as X marked as the access key (design captions, recent-file entries).
    void setCaption(const QString& caption, bool accessKeys = false);
    bool captionHasAccessKeys() const { return accessKeys_; }
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const QString& toolTip() const { return toolTip_; }
    void setToolTip(const QString& toolTip);
    // What a screen reader calls the control and says of it, where its caption or tooltip
    // does not (an empty description leaves the tooltip to say it).
    const QString& accessibleName() const { return accessibleName_; }
    const QString& description() const { return description_; }
    void setAccessible(const QString& name, const QString& description = QString());
    // What the control's group says while the controller lacks the value the control shows;
    // "" while it has it. An advice mark says instead what the controller works out itself.
    const QString& unsentMark() const { return unsentMark_; }
    bool markIsAdvice() const { return markIsAdvice_; }
    void setUnsentMark(const QString& mark, bool advice = false);

    // Buttons and menu items: the user's click.
    void click() const {
        if (onClick) {
            onClick();
        }
    }
    std::function<void()> onClick;

    void observe(Observer observer) { observers_.push_back(std::move(observer)); }

    // The controls it is made of, each with a name of its own: an option group's buttons.
    virtual std::vector<Control*> parts() const { return {}; }

    // Takes on the state of `other`, a control of the same name and kind on another form;
    // observers hear of it, and no event is raised.
    virtual void copyStateOf(const Control& other);

protected:
    void notify(Property property) const;

    // The rule every chosen value follows: one outside first..last is refused; a real change is
    // stored, shown and raises `event` with `args` (a user's choice and the code's alike).
    template <class Event, class... Args>
    bool changeValue(int& current, int value, int first, int last, const Event& event,
                     Args... args) {
        if (value < first || value > last) {
            return false;
        }
        if (value != current) {
            current = value;
            notify(Property::Value);
            if (event) {
                event(args...);
            }
        }
        return true;
    }

private:
    // A property set to what it holds changes nothing and tells nobody.
    template <class T>
    void change(T& member, const T& value, Property property) {
        if (member != value) {
            member = value;
            notify(property);
        }
    }

    QString name_;
    ControlKind kind_;
    QString parent_;
    QString caption_;
    bool accessKeys_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    QString toolTip_;
    QString accessibleName_;
    QString description_;
    QString unsentMark_;
    bool markIsAdvice_ = false;
    std::deque<Observer> observers_;  // one added while the others are told stays where it is
};

}  // namespace rotaline
