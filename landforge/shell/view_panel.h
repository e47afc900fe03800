#pragma once
// The client area below the status bar: the four standard views in quadrants with a one-pixel
// divider between them, or the All In One view over the whole area.
#include <array>

#include <QWidget>

#include "landforge/shell/views/terrain_view.h"

namespace landforge::shell {

inline constexpr int kDivider = 1;

class ViewPanel : public QWidget {
    Q_OBJECT
public:
    ViewPanel(landforge::TerrainState& terrain, landforge::ViewCameras& cameras, landforge::ViewOptions& options,
              QWidget* parent = nullptr);

    TerrainView* view(int index) const { return views_[index]; }
    // Shows the views of the layout in options and lays them out again.
    void applyLayout();
    void updateAll();

signals:
    void resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    landforge::ViewOptions& options_;
    std::array<TerrainView*, landforge::kViewCount> views_{};
};

}  // namespace landforge::shell
