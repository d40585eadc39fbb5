#include "ui/records/SoundPlay.h"

#include <QFileInfo>
#include <QUrl>

SoundPlay::SoundPlay(QObject* parent)
    : QObject(parent)
{
    connect(&m_player, &QMediaPlayer::stateChanged, this, &SoundPlay::onPlayerStateChanged);
    connect(&m_player, QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this, [this] { fail(); });
}

void SoundPlay::playSound(QString path)
{
    m_path = path;
    // A missing note would never start, so no stopped state would ever come.
    if (!QFileInfo(path).isReadable()) {
        fail();
        return;
    }
    m_player.setMedia(QUrl::fromLocalFile(path));
    m_player.play();
    if (m_player.error() != QMediaPlayer::NoError)
        fail();
}

void SoundPlay::onPlayerStateChanged(QMediaPlayer::State state)
{
    if (state == QMediaPlayer::StoppedState)
        emit playFinish();
}

void SoundPlay::fail()
{
    m_player.stop();
    emit playFailed(m_path);
    // A player that never started reports no stop of its own.
    emit playFinish();
}
