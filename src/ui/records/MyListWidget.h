#pragma once

#include <QListWidget>

// The record list: reports Return, Enter and Delete presses and resizes, and
// can make every item fill the whole list (for the single-panel views).
class MyListWidget : public QListWidget
{
    Q_OBJECT
public:
    explicit MyListWidget(QWidget* parent = nullptr);

    bool isFill() const { return m_fill; }
    void setFill(bool fill);

signals:
    void keyDown(QKeyEvent* event);
    void onResize(QSize rc);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fillItems(const QSize& size);

    bool m_fill = false;
};
