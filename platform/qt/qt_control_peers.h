#pragma once
// The Qt side of a window's controls: a QPushButton or QRadioButton on the content widget
// that mirrors its control's properties and reports the user's clicks back to it.
#include "platform/controls.h"

#include <QAbstractButton>
#include <QPointer>

#include <memory>

class QWidget;

namespace platform::qt {

class ControlPeer : public Peer {
public:
    ~ControlPeer() override;
    // The control's widget; null once the window that held it has closed.
    QAbstractButton* Widget() const { return widget_; }

protected:
    ControlPeer(RectControl& control, QAbstractButton* widget);
    void SyncRect(const String& caption);

private:
    RectControl& control_;
    QPointer<QAbstractButton> widget_;
};

// A peer for each control class that has one on screen; nil for any other.
std::unique_ptr<ControlPeer> MakeControlPeer(Control& control, QWidget* content);

} // namespace platform::qt
