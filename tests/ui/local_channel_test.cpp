#include "app/local_channel.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUuid>

#include <gtest/gtest.h>

namespace vellomir::app {
namespace {

constexpr int kAnswerWaitMs = 2000;
constexpr int kSilenceWaitMs = 150;

QString uniqueName() {
    return QStringLiteral("vellomir-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

TEST(LocalChannel, ALineIsAnsweredOnTheSameThreadAndTheNameIsHeldOnce) {
    const QString name = uniqueName();
    std::vector<QByteArray> heard;
    auto listener = std::make_unique<LocalListener>();
    ASSERT_TRUE(listener->listen(name, [&](const QByteArray& line) {
        heard.push_back(line);
        return line == "show\n" ? QByteArray("shown\n") : QByteArray();
    }));
    LocalListener second;
    EXPECT_FALSE(second.listen(name, {})) << "two listeners under one name";

    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), QByteArray("shown\n"));
    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), QByteArray("shown\n"));
    // A word the listener does not answer: the asker gives up at its time.
    EXPECT_EQ(askLocalListener(name, "other\n", kSilenceWaitMs), std::nullopt);
    EXPECT_EQ(heard, (std::vector<QByteArray>{"show\n", "show\n", "other\n"}));

    // Once the listener goes, the name is free and nothing answers.
    listener.reset();
    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), std::nullopt);
    EXPECT_TRUE(second.listen(name, [](const QByteArray&) { return QByteArray("again\n"); }));
    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), QByteArray("again\n"));
}

TEST(LocalChannel, FindsAndIsFoundByTheLocalServersOfEarlierBuilds) {
    // Earlier builds listened with QLocalServer under the same abstract name.
    const QString name = uniqueName();
    QLocalServer earlier;
    earlier.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    ASSERT_TRUE(earlier.listen(name));
    QObject::connect(&earlier, &QLocalServer::newConnection, &earlier, [&] {
        QLocalSocket* socket = earlier.nextPendingConnection();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] {
            if (socket->canReadLine() && socket->readLine() == "show\n") {
                socket->write("shown\n");
                socket->flush();
            }
        });
    });
    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), QByteArray("shown\n"));
    LocalListener taken;
    EXPECT_FALSE(taken.listen(name, {}));
    earlier.close();

    // And an earlier build's start finds this one.
    LocalListener listener;
    ASSERT_TRUE(listener.listen(name, [](const QByteArray&) { return QByteArray("shown\n"); }));
    QLocalSocket asking;
    asking.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    asking.connectToServer(name);
    ASSERT_TRUE(asking.waitForConnected(kAnswerWaitMs));
    asking.write("show\n");
    asking.flush();
    for (int i = 0; i < 100 && !asking.canReadLine(); ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        asking.waitForReadyRead(20);
    }
    EXPECT_EQ(asking.readLine(), QByteArray("shown\n"));
}

TEST(LocalChannel, ACallerThatSendsNoLineOrTooMuchIsDropped) {
    const QString name = uniqueName();
    int answered = 0;
    LocalListener listener;
    ASSERT_TRUE(listener.listen(name, [&](const QByteArray&) {
        ++answered;
        return QByteArray("shown\n");
    }));
    EXPECT_EQ(askLocalListener(name, QByteArray(1000, 'x'), kSilenceWaitMs), std::nullopt);
    EXPECT_EQ(askLocalListener(name, "no newline", kSilenceWaitMs), std::nullopt);
    EXPECT_EQ(answered, 0);
    // The listener still serves the next caller.
    EXPECT_EQ(askLocalListener(name, "show\n", kAnswerWaitMs), QByteArray("shown\n"));
    EXPECT_EQ(answered, 1);
    EXPECT_EQ(askLocalListener(QString(), "show\n", kSilenceWaitMs), std::nullopt);
}

} // namespace
} // namespace vellomir::app
