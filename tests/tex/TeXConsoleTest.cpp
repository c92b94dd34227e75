// The TeX output window: the whole run with a heading per program, a
// bounded tail of each program's output, and a window that stays
// responsive while a program floods it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTimer>
#include <atomic>
#include <thread>

#include "tex/TeXConsole.h"
#include "tex/TeXTranscript.h"

TEST(TeXTranscript, KeepsEveryProgramsHeadingAndABoundedTailOfItsOutput)
{
    TeXTranscript::Limits limits;
    limits.maxLines = 5;
    limits.maxChars = 1000;
    limits.maxLineChars = 20;
    TeXTranscript t(limits);
    t.startProgram("platex doc.tex");
    for (int i = 1; i <= 12; ++i) t.append(QStringLiteral("line %1\n").arg(i));
    t.append(QString(100, 'x'));  // a line without end, longer than a line may be
    t.startProgram("mendex doc.idx");
    t.append(QStringLiteral("Error: bad entry\n"));
    const QString text = t.text();
    EXPECT_EQ(text,
              "> platex doc.tex\n"
              "…（この前の出力 7 行を省略しました）\n"
              "line 8\nline 9\nline 10\nline 11\nline 12\n"
              "…" +
                  QString(20, 'x') +
                  "\n\n"
                  "> mendex doc.idx\n"
                  "Error: bad entry\n");
    // A new run forgets the last.
    t.clear();
    t.startProgram("platex doc.tex");
    EXPECT_EQ(t.text(), "> platex doc.tex\n");

    // Character limit: long lines push out old ones too.
    limits.maxLines = 100;
    limits.maxChars = 30;
    TeXTranscript c(limits);
    c.append(QStringLiteral("0123456789\nabcdefghij\nABCDEFGHIJ\nklmnopqrst\n"));
    EXPECT_EQ(c.text(), "…（この前の出力 1 行を省略しました）\nabcdefghij\nABCDEFGHIJ\nklmnopqrst\n");
}

TEST(TeXTranscript, ChangesAddUpToTheText)
{
    // Whatever arrives, the view built from the changes (appended pieces,
    // or the whole text on a rebuild) is the transcript's text.
    TeXTranscript::Limits limits;
    limits.maxLines = 7;
    limits.maxChars = 120;
    limits.maxLineChars = 25;
    limits.maxPrograms = 3;
    TeXTranscript t(limits);
    QRandomGenerator random(42);
    QString shown;
    for (int step = 0; step < 3000; ++step) {
        int what = random.bounded(20);
        if (what == 0)
            t.startProgram(QStringLiteral("prog %1").arg(step));
        else if (what == 1)
            t.dropped(10);
        else if (what == 2 && step % 500 == 0)
            t.clear();
        else {
            QString piece;
            int n = random.bounded(15);
            for (int i = 0; i < n; ++i) piece += random.bounded(4) == 0 ? QChar('\n') : QChar('a' + random.bounded(26));
            t.append(piece);
        }
        if (random.bounded(3) == 0) {
            TeXTranscript::Change change = t.takeChange();
            shown = change.rebuild ? t.text() : shown + change.appended;
            ASSERT_EQ(shown, t.text()) << "step " << step;
        }
    }
}

TEST(TeXConsole, AFloodStaysBoundedAndTheWindowResponsive)
{
    TeXConsole console;
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, worstGap = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        worstGap = std::max(worstGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    heartbeat.start(10);

    // 150 MB on one line without an end, then a short program whose
    // complaint must still be seen.
    std::atomic<bool> done{false};
    std::thread worker([&] {
        console.runStarted();
        console.processStarted("platex big.tex", -1, nullptr);
        QByteArray chunk(4096, 'a');
        for (qint64 sent = 0; sent < 150'000'000; sent += chunk.size()) console.processOutput(chunk);
        console.processOutput("\nend of platex\n");
        console.processEnded(1);
        console.processStarted("mendex big.idx", -1, nullptr);
        console.processOutput("Error: an index entry mendex cannot sort\n");
        console.processEnded(1);
        done = true;
    });
    while (!done) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    worker.join();
    QCoreApplication::processEvents();
    EXPECT_LT(worstGap, 1000);
    const QString text = console.text();
    EXPECT_LT(text.size(), 20000);
    EXPECT_TRUE(text.startsWith("> platex big.tex\n…")) << text.left(60).toStdString();
    EXPECT_TRUE(text.contains("\nend of platex\n"));
    EXPECT_TRUE(text.contains("> mendex big.idx\nError: an index entry mendex cannot sort\n"));
}
