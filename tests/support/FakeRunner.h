#pragma once

#include "engine/ChildProcess.h"

#include <QList>
#include <QPointer>

namespace reelcatch::test {

// A child that runs nothing: the test makes it speak and end.
class FakeChild final : public Child {
    Q_OBJECT
public:
    FakeChild(ChildSpec what, QObject* parent) : Child(parent), spec(std::move(what)) {}

    void start() override { started = true; }
    void stop() override { ++stops; }
    bool isRunning() const override { return started && !hasEnded; }
    QByteArray errorTail() const override { return stderrTail; }

    // Lines (Output::lines) or standard output (Output::stream).
    void say(const QString& text) { emit line(text); }
    void print(const QByteArray& bytes) { emit output(bytes); }
    void end(int code = 0, ChildExit::Kind kind = ChildExit::Kind::exited, QString message = {})
    {
        hasEnded = true;
        emit ended({kind, code, std::move(message)});
    }

    ChildSpec spec;
    QByteArray stderrTail;
    bool started = false;
    bool hasEnded = false;
    int stops = 0;
};

// Records every child asked for, in order.
class FakeRunner final : public ProcessRunner {
public:
    Child* create(const ChildSpec& spec, QObject* parent) override
    {
        auto* child = new FakeChild(spec, parent);
        children.append(child);
        specs.append(spec);
        return child;
    }
    // The children not yet ended, oldest first.
    QList<FakeChild*> running() const
    {
        QList<FakeChild*> list;
        for (const QPointer<FakeChild>& child : children)
            if (child && child->started && !child->hasEnded)
                list.append(child);
        return list;
    }
    FakeChild* last() const { return children.isEmpty() ? nullptr : children.last().data(); }

    QList<QPointer<FakeChild>> children;
    QList<ChildSpec> specs; // of every child, whether it still exists or not
};

} // namespace reelcatch::test
