#pragma once

#include <QMediaPlayer>
#include <QObject>

// Plays one voice note at a time and says when it is over, also when the
// note could not be played.
class SoundPlay : public QObject
{
    Q_OBJECT
public:
    explicit SoundPlay(QObject* parent = nullptr);

    QMediaPlayer* player() { return &m_player; }

public slots:
    void playSound(QString path);
    void onPlayerStateChanged(QMediaPlayer::State state);

signals:
    void playFinish();
    // The note is missing or unreadable; playFinish() follows.
    void playFailed(QString path);

private:
    void fail();

    QMediaPlayer m_player;
    QString m_path;
};
