#pragma once
// The Landforge main window: the menus built from the command table, the status bar along
// the top, the five views and the overhead map. It wires controls to the editor's rules and
// holds none of its own.
#include <map>

#include <QMainWindow>
#include <QPointer>

#include "landforge/editor/menu_command_handlers.h"
#include "landforge/shell/views/overhead_window.h"

class QAction;

namespace landforge::shell {

class StatusStrip;
class ViewPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(EditorContext ctx, QWidget* parent = nullptr);

    // Shown maximised, or over the screen's available area where nothing maximises it.
    void showOnScreen();
    // Runs the menu command with this id, as choosing it in the menu does.
    void runCommandId(int id);
    // Does what dropping this file on the window does: a terrain opens, an image is imported.
    void dropFileNamed(const QString& file);
    QAction* action(int id) const;
    StatusStrip* statusStrip() const { return status_; }
    ViewPanel* viewPanel() const { return panel_; }
    OverheadWindow* overhead() const { return overhead_; }
    // True once a view found no usable OpenGL context and the window closed.
    bool contextFailed() const { return failed_; }
    // Title, status bar, menu checks and enabled entries, every view and the overhead map.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void apply(const CommandOutcome& out);
    QMenu* menuFor(const QString& path);
    void recentre(RecentreFlags flags);
    void setOverheadShown(bool shown);
    void onContextFailed();

    EditorContext ctx_;
    StatusStrip* status_;
    ViewPanel* panel_;
    QPointer<OverheadWindow> overhead_;
    std::map<int, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    bool failed_ = false;
};

}  // namespace landforge::shell
