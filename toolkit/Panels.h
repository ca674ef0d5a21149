#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>

// Containers, labels and pictures: nothing here takes the focus.
class TPanel : public QFrame {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr) : QFrame(parent) {}
};

class TImage : public QLabel {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr) : QLabel(parent) {}
};

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr) : QGroupBox(parent) {}
};

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr) : QLabel(parent) {}
};
