#pragma once

#include <QObject>

class CheckItemBase;
class QWidget;

// The signals of a record row, which itself is no QObject of its own kind;
// owned by the row widget. It also watches the row for the mouse entering
// and leaving, which shows and hides the row's controls.
class CheckItemSignal : public QObject
{
    Q_OBJECT
public:
    CheckItemSignal(CheckItemBase* item, QWidget* row);

signals:
    void deleteRecord(CheckItemBase* item);
    void review(CheckItemBase* item);
    void playVoice(CheckItemBase* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CheckItemBase* m_item;
};
