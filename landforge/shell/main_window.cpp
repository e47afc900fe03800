#include "landforge/shell/main_window.h"

#include "common/qt/qt_text.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "landforge/editor/editor_keys.h"
#include "landforge/editor/menu_command_table.h"
#include "landforge/editor/recent_terrains.h"
#include "landforge/shell/status_strip.h"
#include "landforge/shell/view_panel.h"
#include "landforge/shell/views/overhead_window.h"

namespace landforge::shell {

namespace {

EditorKey keyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return EditorKey::Enter;
    case Qt::Key_Escape: return EditorKey::Escape;
    case Qt::Key_Left: return EditorKey::Left;
    case Qt::Key_Right: return EditorKey::Right;
    case Qt::Key_Up: return EditorKey::Up;
    case Qt::Key_Down: return EditorKey::Down;
    default: break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return EditorKey::None;
    QString text = event.text();
    return text.size() == 1 ? keyOfChar(text.at(0).toLatin1()) : EditorKey::None;
}

// The first local file of a drag, empty when it brings none.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

}  // namespace

MainWindow::MainWindow(EditorContext ctx, QWidget* parent) : QMainWindow(parent), ctx_(ctx) {
    setObjectName("LandforgeClass");
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    status_ = new StatusStrip(client);
    EditorState& s = ctx_.state;
    panel_ = new ViewPanel(s.terrain, s.cameras, s.options, client);
    layout->addWidget(status_);
    layout->addWidget(panel_, 1);
    setCentralWidget(client);
    buildMenus();
    setAcceptDrops(true);

    connect(panel_, &ViewPanel::resized, this, [this] {
        recentre({true, false});
        panel_->updateAll();
    });
    for (int k = 0; k < kViewCount; ++k) {
        TerrainView* v = panel_->view(k);
        connect(v, &TerrainView::terrainEdited, this, &MainWindow::refresh);
        connect(v, &TerrainView::viewAreaMoved, this, &MainWindow::refresh);
        connect(v, &TerrainView::buttonReleased, this, [this] {
            if (overhead_) overhead_->update();
        });
        connect(v, &TerrainView::contextFailed, this, &MainWindow::onContextFailed);
    }
    recentre({true, true});
    refresh();
}

void MainWindow::showOnScreen() {
    // Without a window manager nothing maximises the window: it covers the screen's free area
    // itself then.
    if (QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
    showMaximized();
}

QMenu* MainWindow::menuFor(const QString& path) {
    if (auto found = menus_.find(path); found != menus_.end()) return found->second;
    int cut = path.lastIndexOf('/');
    QString title = korvath::toQString(menuTitle(korvath::fromQString(path)));
    QMenu* menu = cut < 0 ? menuBar()->addMenu(title) : menuFor(path.left(cut))->addMenu(title);
    menu->setObjectName(path);
    if (submenuAlwaysDisabled(korvath::fromQString(path))) menu->setEnabled(false);
    menus_[path] = menu;
    return menu;
}

void MainWindow::buildMenus() {
    for (const CommandInfo& c : commandTable()) {
        QString path = korvath::toQString(c.menuPath);
        if (c.separatorBefore) {
            // The first entry of a submenu not built yet puts the line above the submenu.
            int cut = path.lastIndexOf('/');
            bool firstOfSubmenu = !menus_.count(path) && cut >= 0;
            menuFor(firstOfSubmenu ? path.left(cut) : path)->addSeparator();
        }
        QMenu* menu = menuFor(path);
        QAction* a = menu->addAction(korvath::toQString(c.caption));
        a->setObjectName(QString::number(c.id));
        a->setCheckable(static_cast<bool>(c.checked));
        if (!c.shortcut.empty())
            a->setShortcut(QKeySequence(korvath::toQString(c.shortcut)));
        int id = c.id;
        connect(a, &QAction::triggered, this, [this, id] { runCommandId(id); });
        actions_[c.id] = a;
    }
}

QAction* MainWindow::action(int id) const {
    auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

void MainWindow::runCommandId(int id) { apply(runCommand(ctx_, id)); }

void MainWindow::dropFileNamed(const QString& file) { apply(dropFile(ctx_, korvath::nativeFromQString(file))); }

void MainWindow::apply(const CommandOutcome& out) {
    if (out.relayout) panel_->applyLayout();
    if (out.recentre) recentre(*out.recentre);
    if (out.toggleOverhead) setOverheadShown(ctx_.state.options.showOverhead);
    refresh();
    if (out.closeRequested) close();
}

void MainWindow::refresh() {
    const EditorState& s = ctx_.state;
    setWindowTitle(QString("Landforge - ") + korvath::nativeToQString(s.terrain.fileName));
    status_->setTexts(statusTexts(s));
    for (const CommandInfo& c : commandTable()) {
        QAction* a = actions_[c.id];
        a->setEnabled(commandEnabled(c, s));
        if (c.checked) a->setChecked(commandChecked(c, s));
    }
    for (int k = 0; k < kRecentTerrainCount; ++k) {
        QAction* a = actions_[cmd::RecentTerrain + k];
        bool used = k < static_cast<int>(s.recentTerrains.size());
        a->setVisible(used);
        QString path = korvath::nativeToQString(used ? s.recentTerrains[k] : "").replace("&", "&&");  // a '&' in a name is no mnemonic
        if (used) a->setText(QString("&%1 %2").arg(k + 1).arg(path));
    }
    menus_["File/Recent Terrains"]->setEnabled(!s.recentTerrains.empty());
    panel_->updateAll();
    if (overhead_) overhead_->update();
}

void MainWindow::recentre(RecentreFlags flags) {
    landforge::recentre(ctx_.state.cameras, ctx_.state.terrain, ctx_.state.options, flags);
}

void MainWindow::setOverheadShown(bool shown) {
    if (!shown) {
        if (overhead_) overhead_->close();
        return;
    }
    if (!overhead_) {
        EditorState& s = ctx_.state;
        overhead_ = new OverheadWindow(s.terrain, s.cameras, s.options, this);
        overhead_->setAttribute(Qt::WA_DeleteOnClose);
        connect(overhead_, &OverheadWindow::viewAreaMoved, this, &MainWindow::refresh);
        connect(overhead_, &OverheadWindow::closed, this, [this] {
            ctx_.state.options.showOverhead = false;
            refresh();
        });
    }
    overhead_->show();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // F10 opens the menu bar, as on the desktops the program was made for.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        menuBar()->setActiveAction(menuBar()->actions().first());
        return;
    }
    KeyOutcome out = applyKey(ctx_, keyOf(*event));
    if (!out.handled) return QMainWindow::keyPressEvent(event);
    if (out.terrainChanged) recentre({});
    refresh();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) return;
    event->acceptProposedAction();
    // The save prompt and the import run after the drag has ended, not inside it.
    QTimer::singleShot(0, this, [this, file] { dropFileNamed(file); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!failed_ && !confirmClose(ctx_)) return event->ignore();
    if (overhead_) overhead_->close();
    event->accept();
}

void MainWindow::onContextFailed() {
    if (failed_) return;
    failed_ = true;
    ctx_.ui.inform(kErrorTitle, "16 bit pixel format required", korvath::Icon::Critical);
    close();
}

}  // namespace landforge::shell
