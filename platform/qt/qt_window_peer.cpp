#include "platform/qt/qt_window_peer.h"

#include "platform/application.h"
#include "platform/qt/qt_control_peers.h"
#include "platform/qt/qt_graphics.h"
#include "platform/qt/qt_key_repeat.h"
#include "platform/qt/qt_peers.h"
#include "platform/qt/qt_style.h"
#include "platform/runtime.h"
#include "platform/user_actions.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QTimer>

#include <functional>
#include <vector>

namespace platform::qt {

namespace {

QString plainText(const String& text) { return QString::fromStdString(text).replace('&', QLatin1String("&&")); }

void forEachItem(MenuItem& tree, const std::function<void(MenuItem&)>& visit)
{
    for (const auto& child : tree.Children()) {
        visit(*child);
        forEachItem(*child, visit);
    }
}

} // namespace

// Mirrors one menu item in every menu bar built from it.
class MenuItemPeer : public Peer {
public:
    explicit MenuItemPeer(MenuItem& item) : item_(item) {}

    // leaf: a command, which a Text of "-" turns into a separator; otherwise a menu's action.
    void Attach(QAction* action, bool leaf)
    {
        std::erase_if(actions_, [](const Shown& shown) { return !shown.action; });
        actions_.push_back(Shown{action, leaf});
        sync(actions_.back());
    }

    void Sync() override
    {
        for (const Shown& shown : actions_)
            sync(shown);
    }

    QAction* Latest() const
    {
        for (auto it = actions_.rbegin(); it != actions_.rend(); ++it)
            if (it->action)
                return it->action;
        return nullptr;
    }

private:
    struct Shown {
        QPointer<QAction> action;
        bool leaf;
    };

    void sync(const Shown& shown) const
    {
        QAction* action = shown.action;
        if (!action)
            return;
        const bool separator = shown.leaf && item_.IsSeparator();
        action->setSeparator(separator);
        if (!separator)
            action->setText(plainText(item_.Text));
        action->setEnabled(item_.Enabled);
        action->setVisible(item_.Visible);
    }

    MenuItem& item_;
    std::vector<Shown> actions_;
};

namespace {

void attach(MenuItem& item, QAction* action, bool leaf)
{
    auto* peer = dynamic_cast<MenuItemPeer*>(item.peer.get());
    if (!peer) {
        auto made = std::make_unique<MenuItemPeer>(item);
        peer = made.get();
        item.peer = std::move(made);
    }
    peer->Attach(action, leaf);
}

// Before a menu opens the application sets its items' state.
void enableItemsBeforeShowing(QMenu& menu)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [] {
        if (Application* app = GetAppObject())
            Dispatch([app] { app->Event_EnableMenuItems(); });
    });
}

// A menu of the menu bar. When Escape closes it, Qt leaves the bar in its keyboard mode, where
// the next Return opens the menu again; the keys go back to the window at once instead.
class BarMenu : public QMenu {
public:
    explicit BarMenu(QMenuBar* bar) : QMenu(bar) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        QMenu::keyPressEvent(event);
        auto* bar = qobject_cast<QMenuBar*>(parentWidget());
        if (!event->matches(QKeySequence::Cancel) || isVisible() || !bar || !bar->hasFocus())
            return;
        // The bar's own Escape leaves that mode and puts the focus back where it was.
        QKeyEvent leave(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(bar, &leave);
    }
};

void fillMenu(QMenu& menu, const MenuItem& parent)
{
    for (const auto& child : parent.Children()) {
        if (child->Children().empty()) {
            QAction* action = menu.addAction(QString());
            QObject::connect(action, &QAction::triggered, action, [item = std::weak_ptr<MenuItem>(child)] {
                if (auto chosen = item.lock()) {
                    const String name = chosen->Name;
                    ChooseMenuItem(name);
                }
            });
            attach(*child, action, true);
        } else {
            QMenu* submenu = menu.addMenu(QString());
            enableItemsBeforeShowing(*submenu);
            fillMenu(*submenu, *child);
            attach(*child, submenu->menuAction(), false);
        }
    }
}

} // namespace

String KeyTextOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
        return kKeyReturn;
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Tab:
        return kKeyTab;
    case Qt::Key_Backtab:
        return kKeyBacktab;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return {};
    default:
        break;
    }
    if (!event.text().isEmpty())
        return event.text().toStdString();
    return QKeySequence(event.key()).toString(QKeySequence::PortableText).toStdString();
}

class ContentWidget : public QWidget {
public:
    explicit ContentWidget(Window& window) : window_(window)
    {
        // Not by a click: a click beside the controls leaves the focus where it was.
        setFocusPolicy(Qt::TabFocus);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QtGraphics graphics(painter);
        Paint(window_, graphics);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        MouseDown(window_, at.x(), at.y());
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const String key = KeyTextOf(*event);
        if (key.empty())
            QWidget::keyPressEvent(event);
        else
            KeyDown(window_, key, IsAutoRepeat(*event));
    }

    // Tab belongs to the window's own key handling, not to Qt's focus chain.
    bool focusNextPrevChild(bool) override { return false; }

private:
    Window& window_;
};

// Its close box quits the application; every move, whoever made it, is reported.
class TopLevelWindow : public QMainWindow {
public:
    std::function<void()> moved;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->accept();
        CurrentBackend().Quit(0);
    }

    void moveEvent(QMoveEvent* event) override
    {
        QMainWindow::moveEvent(event);
        if (moved)
            moved();
    }
};

WindowPeer::WindowPeer(Window& window)
    : window_(window), main_(std::make_unique<TopLevelWindow>()), content_(new ContentWidget(window))
{
    main_->moved = [this] { positionReported(); };
    main_->setCentralWidget(content_);
    main_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    for (const auto& control : window_.Controls()) {
        control->peer = MakeControlPeer(*control, content_);
        if (control->peer)
            control->peer->Sync();
    }
    Sync();
}

WindowPeer::~WindowPeer() { main_->moved = nullptr; }

QMainWindow* WindowPeer::Main() const { return main_.get(); }

QWidget* WindowPeer::Content() const { return content_; }

void WindowPeer::Sync()
{
    syncFrame();
    syncBackground();
    syncMenuBar();
    syncPosition();
    syncVisibility();
    SyncFocus();
}

void WindowPeer::SyncFocus()
{
    QWidget* wanted = content_;
    if (Control* focus = window_.Focus()) {
        QWidget* widget = WidgetOf(*focus);
        if (widget && widget->isVisible() && widget->isEnabled())
            wanted = widget;
    }
    if (!wanted->hasFocus())
        wanted->setFocus(Qt::TabFocusReason);
}

void WindowPeer::syncFrame()
{
    const QString title = QString::fromStdString(window_.Title);
    if (main_->windowTitle() != title)
        main_->setWindowTitle(title);
    const QSize size(int(window_.Width), int(window_.Height));
    if (content_->minimumSize() != size || content_->maximumSize() != size)
        content_->setFixedSize(size);
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (window_.CloseButton)
        flags |= Qt::WindowCloseButtonHint;
    if (window_.MinimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (flags_ != flags) {
        flags_ = flags;
        main_->setWindowFlags(flags); // hides the window; syncVisibility shows it again
    }
}

void WindowPeer::syncBackground()
{
    std::optional<Color> wanted;
    if (window_.HasBackColor)
        wanted = window_.BackColor.get();
    if (background_ == wanted)
        return;
    background_ = wanted;
    // The controls stand on the page the program paints, light on any desktop: a dark desktop's
    // palette would make every answer a dark disc, which on a white page reads as chosen.
    QPalette palette = LightPalette();
    if (wanted)
        palette.setColor(QPalette::Window, ToQColor(*wanted));
    content_->setPalette(palette);
}

void WindowPeer::syncMenuBar()
{
    QMenuBar* bar = main_->menuBar();
    bar->setVisible(window_.MenuBarVisible);
    const std::shared_ptr<MenuBar> tree = window_.MenuBar;
    if (menusBuilt_ && menusBuiltFrom_.lock() == tree)
        return;
    qDeleteAll(bar->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
    bar->clear();
    menusBuilt_ = true;
    menusBuiltFrom_ = tree;
    if (!tree)
        return;
    for (const auto& menuItem : tree->Children()) {
        auto* menu = new BarMenu(bar);
        bar->addMenu(menu);
        enableItemsBeforeShowing(*menu);
        fillMenu(*menu, *menuItem);
        attach(*menuItem, menu->menuAction(), false);
    }
}

// A new position is applied from the event loop, so that a move asked for inside a paint
// cannot start another paint from within it; several changes before then make one move.
void WindowPeer::syncPosition()
{
    const QPoint wanted(int(window_.Left), int(window_.Top));
    if (position_ == wanted)
        return;
    const bool first = !position_;
    position_ = wanted;
    if (first) {
        main_->move(wanted);
        return;
    }
    if (movePending_)
        return;
    movePending_ = true;
    QTimer::singleShot(0, main_.get(), [this] {
        movePending_ = false;
        main_->move(*position_);
    });
}

// The window's real place, after a move by the user or the window manager, goes quietly into
// Left and Top: a later write of the old values then differs from them and moves it back.
void WindowPeer::positionReported()
{
    const QPoint at = main_->pos();
    position_ = at;
    window_.Left.SetQuietly(at.x());
    window_.Top.SetQuietly(at.y());
}

void WindowPeer::syncVisibility()
{
    if (window_.Visible && main_->isHidden()) {
        main_->show();
        content_->setFocus();
    } else if (!window_.Visible && !main_->isHidden()) {
        main_->hide();
    }
}

void ForgetPeers(MenuItem& tree)
{
    forEachItem(tree, [](MenuItem& item) {
        if (dynamic_cast<MenuItemPeer*>(item.peer.get()))
            item.peer.reset();
    });
}

void ForgetPeers(Window& window)
{
    for (const auto& control : window.Controls())
        if (dynamic_cast<ControlPeer*>(control->peer.get()))
            control->peer.reset();
    if (const std::shared_ptr<MenuBar>& tree = window.MenuBar)
        ForgetPeers(*tree);
    if (dynamic_cast<WindowPeer*>(window.peer.get()))
        window.peer.reset();
}

QMainWindow* MainWindowOf(const Window& window)
{
    auto* peer = dynamic_cast<WindowPeer*>(window.peer.get());
    return peer ? peer->Main() : nullptr;
}

QWidget* ContentOf(const Window& window)
{
    auto* peer = dynamic_cast<WindowPeer*>(window.peer.get());
    return peer ? peer->Content() : nullptr;
}

QAction* ActionOf(const MenuItem& item)
{
    auto* peer = dynamic_cast<MenuItemPeer*>(item.peer.get());
    return peer ? peer->Latest() : nullptr;
}

} // namespace platform::qt
