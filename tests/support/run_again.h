#pragma once

// Runs one test of this test program again in a process of its own: for what
// must be set before the QApplication exists (environment, user), which every
// test of a Qt test program shares.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <map>

namespace fakes {

// The run gets more environment and, where given, a command in front
// (setpriv); it must pass.
inline void runAgain(const QString& test, const std::map<QString, QString>& environment, QStringList prefix = {}) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) env.insert(name, value);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = {"--gtest_filter=" + test};
    if (prefix.isEmpty()) {
        child.start(program, arguments);
    } else {
        const QString first = prefix.takeFirst();
        child.start(first, prefix + QStringList{program} + arguments);
    }
    ASSERT_TRUE(child.waitForStarted(10000));
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        FAIL() << "the run of " << test.toStdString() << " did not end";
    }
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

}  // namespace fakes
