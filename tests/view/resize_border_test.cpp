// Where a frameless window's resize border lies, and the cursor it shows.

#include <gtest/gtest.h>

#include "view/resize_border.h"

namespace sahifex::view {
namespace {

const QSize kWindow(200, 100);

TEST(ResizeBorderEdges, EdgesAndCornersWithinTheBand) {
    EXPECT_EQ(edgesAt({0, 50}, kWindow, 4), Qt::Edges(Qt::LeftEdge));
    EXPECT_EQ(edgesAt({3, 50}, kWindow, 4), Qt::Edges(Qt::LeftEdge));
    EXPECT_EQ(edgesAt({199, 50}, kWindow, 4), Qt::Edges(Qt::RightEdge));
    EXPECT_EQ(edgesAt({196, 50}, kWindow, 4), Qt::Edges(Qt::RightEdge));
    EXPECT_EQ(edgesAt({100, 0}, kWindow, 4), Qt::Edges(Qt::TopEdge));
    EXPECT_EQ(edgesAt({100, 99}, kWindow, 4), Qt::Edges(Qt::BottomEdge));
    EXPECT_EQ(edgesAt({1, 1}, kWindow, 4), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(edgesAt({198, 98}, kWindow, 4), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(edgesAt({198, 1}, kWindow, 4), Qt::RightEdge | Qt::TopEdge);
    EXPECT_EQ(edgesAt({1, 98}, kWindow, 4), Qt::LeftEdge | Qt::BottomEdge);
}

TEST(ResizeBorderEdges, NoneInsideTheBandOrOutsideTheWindow) {
    EXPECT_EQ(edgesAt({4, 50}, kWindow, 4), Qt::Edges());
    EXPECT_EQ(edgesAt({195, 4}, kWindow, 4), Qt::Edges());
    EXPECT_EQ(edgesAt({100, 95}, kWindow, 4), Qt::Edges());
    EXPECT_EQ(edgesAt({-1, 50}, kWindow, 4), Qt::Edges());
    EXPECT_EQ(edgesAt({200, 50}, kWindow, 4), Qt::Edges());
    EXPECT_EQ(edgesAt({100, 100}, kWindow, 4), Qt::Edges());
}

TEST(ResizeBorderEdges, ATinyWindowTakesTheNearerSide) {
    const QSize tiny(6, 6);
    EXPECT_EQ(edgesAt({1, 1}, tiny, 4), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(edgesAt({5, 5}, tiny, 4), Qt::RightEdge | Qt::BottomEdge);
}

TEST(ResizeBorderCursor, MatchesTheEdges) {
    EXPECT_EQ(resizeCursorFor(Qt::LeftEdge), Qt::SizeHorCursor);
    EXPECT_EQ(resizeCursorFor(Qt::RightEdge), Qt::SizeHorCursor);
    EXPECT_EQ(resizeCursorFor(Qt::TopEdge), Qt::SizeVerCursor);
    EXPECT_EQ(resizeCursorFor(Qt::BottomEdge), Qt::SizeVerCursor);
    EXPECT_EQ(resizeCursorFor(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(resizeCursorFor(Qt::RightEdge | Qt::BottomEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(resizeCursorFor(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(resizeCursorFor(Qt::LeftEdge | Qt::BottomEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(resizeCursorFor(Qt::Edges()), Qt::ArrowCursor);
}

} // namespace
} // namespace sahifex::view
