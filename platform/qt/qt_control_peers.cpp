#include "platform/qt/qt_control_peers.h"

#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_key_repeat.h"
#include "platform/qt/qt_peers.h"
#include "platform/qt/qt_window_peer.h"
#include "platform/user_actions.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

namespace platform::qt {

namespace {

QString plainText(const String& text) { return QString::fromStdString(text).replace('&', QLatin1String("&&")); }

class PushButtonPeer : public ControlPeer {
public:
    PushButtonPeer(PushButton& button, QWidget* content)
        : ControlPeer(button, new QPushButton(content)), button_(button)
    {
        // Outside a dialog Qt takes the default frame off an auto-default button that loses the
        // focus; the frame must stay on the button that Return presses.
        static_cast<QPushButton*>(Widget())->setAutoDefault(false);
        QObject::connect(Widget(), &QAbstractButton::clicked, Widget(), [this] { Press(button_); });
    }

    void Sync() override
    {
        SyncRect(button_.Caption);
        if (auto* widget = static_cast<QPushButton*>(Widget()))
            widget->setDefault(button_.Default);
    }

private:
    PushButton& button_;
};

// The check mark changes only as the radio's Value says; a click just asks for Select.
class ModelRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

class RadioButtonPeer : public ControlPeer {
public:
    RadioButtonPeer(RadioButton& radio, QWidget* content)
        : ControlPeer(radio, new ModelRadioButton(content)), radio_(radio)
    {
        Widget()->setAutoExclusive(false);
        QObject::connect(Widget(), &QAbstractButton::clicked, Widget(), [this] { Select(radio_); });
    }

    void Sync() override
    {
        SyncRect(radio_.Caption);
        if (QAbstractButton* widget = Widget())
            widget->setChecked(radio_.Value);
    }

private:
    RadioButton& radio_;
};

} // namespace

namespace {

// A focused control shows the focus, but its keys go to the window's KeyDown like all others;
// a click that focuses the control makes it the window's focus too.
class InputToWindow : public QObject {
public:
    InputToWindow(RectControl& control, QObject* parent) : QObject(parent), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        Window* window = control_.Parent();
        if (!window)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::FocusIn
            && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            window->SetFocus(&control_);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto& press = *static_cast<QKeyEvent*>(event);
        const String key = KeyTextOf(press);
        if (key.empty())
            return false;
        KeyDown(*window, key, IsAutoRepeat(press));
        return true;
    }

private:
    RectControl& control_;
};

} // namespace

ControlPeer::ControlPeer(RectControl& control, QAbstractButton* widget) : control_(control), widget_(widget)
{
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(new InputToWindow(control, widget));
}

ControlPeer::~ControlPeer() { delete widget_.data(); }

void ControlPeer::SyncRect(const String& caption)
{
    if (!widget_)
        return;
    widget_->setGeometry(int(control_.Left), int(control_.Top), int(control_.Width), int(control_.Height));
    widget_->setText(plainText(caption));
    QFont font = FontFor(control_.TextFont, control_.TextSize);
    font.setBold(control_.Bold);
    font.setItalic(control_.Italic);
    font.setUnderline(control_.Underline);
    widget_->setFont(font);
    const bool usable = widget_->isEnabled() && !widget_->isHidden();
    widget_->setEnabled(control_.Enabled);
    widget_->setVisible(control_.Visible);
    // Qt drops the focus of a widget it disables or hides and never gives it back; the window
    // puts it again where the keys act, so that Return still presses the default button.
    if (usable == (widget_->isEnabled() && !widget_->isHidden()) || !control_.Parent())
        return;
    if (auto* window = dynamic_cast<WindowPeer*>(control_.Parent()->peer.get()))
        window->SyncFocus();
}

std::unique_ptr<ControlPeer> MakeControlPeer(Control& control, QWidget* content)
{
    if (auto* button = dynamic_cast<PushButton*>(&control))
        return std::make_unique<PushButtonPeer>(*button, content);
    if (auto* radio = dynamic_cast<RadioButton*>(&control))
        return std::make_unique<RadioButtonPeer>(*radio, content);
    return nullptr;
}

QAbstractButton* WidgetOf(const Control& control)
{
    auto* peer = dynamic_cast<ControlPeer*>(control.peer.get());
    return peer ? peer->Widget() : nullptr;
}

} // namespace platform::qt
