#include "toolkit/Splitter.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

class TSplitterHandle : public QSplitterHandle {
public:
    explicit TSplitterHandle(TSplitter* parent) : QSplitterHandle(Qt::Horizontal, parent)
    {
        setCursor(Qt::SizeHorCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = rect();
        painter.fillRect(r, QColor(166, 202, 240));
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton) {
            return;
        }
        dragging_ = true;
        offset_ = e->position().toPoint().x();
        qApp->installEventFilter(this);
        Bar()->ShowDragLine(BarX(e));
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (dragging_) {
            Bar()->ShowDragLine(BarX(e));
        }
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (!dragging_ || e->button() != Qt::LeftButton) {
            return;
        }
        EndDrag();
        Bar()->MoveBar(BarX(e));
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (dragging_ && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            EndDrag();
            return true;
        }
        return false;
    }

private:
    TSplitter* Bar() const { return static_cast<TSplitter*>(splitter()); }
    int BarX(QMouseEvent* e) const
    {
        return Bar()->ReleasedPosition(mapTo(Bar(), e->position().toPoint()).x() - offset_);
    }
    void EndDrag()
    {
        dragging_ = false;
        qApp->removeEventFilter(this);
        Bar()->HideDragLine();
    }

    bool dragging_ = false;
    int offset_ = 0;
};

TSplitter::TSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent)
{
    setHandleWidth(7);
    setOpaqueResize(false);
    setChildrenCollapsible(true);
}

int TSplitter::ReleasedPosition(int x) const
{
    const int right = std::max(0, width() - handleWidth() - kMinSize);
    return std::clamp(x, 0, right);
}

void TSplitter::MoveBar(int x)
{
    const int left = x <= kMinSize ? 0 : x;
    const int total = width() - handleWidth();
    setSizes({left, total - left});
}

void TSplitter::childEvent(QChildEvent* event)
{
    // A half may shrink whatever its contents would rather keep (what does not fit is cut at
    // the bar); where the bar may go is the splitter's own rule.
    if (event->added() && event->child()->isWidgetType() &&
        !qobject_cast<QSplitterHandle*>(event->child())) {
        auto* half = static_cast<QWidget*>(event->child());
        QSizePolicy policy = half->sizePolicy();
        policy.setHorizontalPolicy(QSizePolicy::Ignored);
        half->setSizePolicy(policy);
    }
    QSplitter::childEvent(event);
}

QSplitterHandle* TSplitter::createHandle()
{
    return new TSplitterHandle(this);
}
