#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class TPointerShape;

// The hourglass for the scope's life (while the engine loads), where the pointer had its
// default shape. The shapes are the desktop's: a program without windows shows none.
class THourglass {
public:
    THourglass();
    ~THourglass();
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

private:
    TPointerShape* pointer_;  // none where it is not shown
};

// The mouse pointer while the database works: the SQL-wait shape from a server's report that it
// is working until 50 ms have passed since the last one; an engine error restores it at once.
class TBusyPointer : public QObject {
    Q_OBJECT
public:
    // Reports the server at work for the scope's life; an error leaving the scope restores the
    // pointer at once.
    class WorkScope {
    public:
        explicit WorkScope(TBusyPointer& pointer);
        ~WorkScope();
        WorkScope(const WorkScope&) = delete;
        WorkScope& operator=(const WorkScope&) = delete;

    private:
        TBusyPointer& pointer_;
        int exceptions_;
    };

    TBusyPointer();
    void ServerWorking();
    void Restore();
    bool Showing() const { return showing_; }

private:
    void Tick();

    QTimer timer_;
    QElapsedTimer sinceReport_;
    bool showing_ = false;
    TPointerShape* shown_ = nullptr;
};
