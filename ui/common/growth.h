#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace tarnwick {

// How far each edge of a control moves as its container grows past its
// default size: a share of the extra width for the left and right edges, of
// the extra height for the top and bottom ones.
struct EdgeShares {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

namespace grow {
inline constexpr EdgeShares kBoth{0, 0, 1, 1};        // a list that takes all the room
inline constexpr EdgeShares kWide{0, 0, 1, 0};        // wider only
inline constexpr EdgeShares kBottomWide{0, 1, 1, 1};  // on the bottom edge, wider
}  // namespace grow

// Moves the controls given to it as their container grows: at the size the
// container has when this is made, every control stays where it was placed,
// and smaller than that too (the controls never overlap), so a window's
// layout holds at its default size; room beyond it goes by the shares given.
class Growth : public QObject {
public:
    explicit Growth(QWidget& container);

    // `control`, a child of the container placed at its default geometry.
    void Add(QWidget& control, EdgeShares shares);

    // The geometry of a control at `base` in a container `extra` larger than
    // its default size (no smaller than it).
    [[nodiscard]] static QRect Grown(const QRect& base, EdgeShares shares, QSize extra);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Anchored {
        QPointer<QWidget> control;
        QRect base;
        EdgeShares shares;
    };
    void Place();

    QWidget& container_;
    QSize default_;
    std::vector<Anchored> anchored_;
};

}  // namespace tarnwick
