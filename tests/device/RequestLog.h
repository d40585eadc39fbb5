#pragma once

#include "device/HidBackend.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <memory>

// Sits between the transport and the installed backend and notes what the host
// asks: every open attempt (with the asking thread) and every request (command
// and file name), as the monitor would see them.
class RequestLog : public HidBackend
{
public:
    static constexpr int kIdentify = -1;

    struct Request
    {
        int command;
        QString name;
    };

    explicit RequestLog(std::shared_ptr<HidBackend> inner)
        : m_inner(std::move(inner))
    {}

    // Wraps the current backend and installs the log in its place.
    static std::shared_ptr<RequestLog> install()
    {
        auto log = std::make_shared<RequestLog>(HidBackend::current());
        HidBackend::setCurrent(log);
        return log;
    }

    std::unique_ptr<HidDevice> open(unsigned short vendorId, unsigned short productId) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_opens << QThread::currentThread();
        }
        return m_inner->open(vendorId, productId);
    }

    int write(HidDevice& device, const unsigned char* report, int length) override
    {
        note(device, report, length);
        return m_inner->write(device, report, length);
    }

    int read(HidDevice& device, unsigned char* report, int length, int timeoutMs) override
    {
        return m_inner->read(device, report, length, timeoutMs);
    }

    void close(std::unique_ptr<HidDevice> device) override
    {
        {
            QMutexLocker lock(&m_mutex);
            m_reportsLeft.remove(device.get());
        }
        m_inner->close(std::move(device));
    }

    QStringList deniedPaths(unsigned short vendorId, unsigned short productId) override
    {
        return m_inner->deniedPaths(vendorId, productId);
    }

    int opensFrom(QThread* thread) const
    {
        QMutexLocker lock(&m_mutex);
        return int(std::count(m_opens.begin(), m_opens.end(), thread));
    }

    QList<Request> requests() const
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }

    QList<int> commands() const
    {
        QList<int> commands;
        const QList<Request> all = requests();
        for (const Request& request : all)
            commands << request.command;
        return commands;
    }

    // The names of the requests with that command, in order.
    QStringList names(int command) const
    {
        QStringList names;
        const QList<Request> all = requests();
        for (const Request& request : all) {
            if (request.command == command)
                names << request.name;
        }
        return names;
    }

    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_requests.clear();
        m_opens.clear();
    }

private:
    static constexpr int kReportsPerRequest = 18;
    static constexpr int kReportsPerIdentification = 10;
    // A report carries the report id first, so packet offset n is report byte n + 1.
    static constexpr int kNameByte = 16;

    void note(HidDevice& device, const unsigned char* report, int length)
    {
        QMutexLocker lock(&m_mutex);
        int& left = m_reportsLeft[&device];
        if (left > 0) {
            --left;
            return;
        }
        if (length > 2 && report[1] == 0xAC) {
            QByteArray name;
            for (int i = kNameByte; i < length && report[i]; ++i)
                name += char(report[i]);
            m_requests << Request{report[2], QString::fromLatin1(name)};
            left = kReportsPerRequest - 1;
        } else {
            m_requests << Request{kIdentify, QString()};
            left = kReportsPerIdentification - 1;
        }
    }

    std::shared_ptr<HidBackend> m_inner;
    mutable QMutex m_mutex;
    QList<QThread*> m_opens;
    QList<Request> m_requests;
    QHash<HidDevice*, int> m_reportsLeft;
};
