#pragma once

#include <QByteArray>
#include <QtGlobal>

// What every fuzz target needs: Qt's own warnings dropped (they are no
// findings), the editor's messages printed to nowhere, and a small random
// generator that an input can drive.
namespace FuzzSupport {

// Installs the message handler and the printing dialogs; call once from
// LLVMFuzzerInitialize after the application object exists.
void silenceMessages();

// A generator seeded from bytes of the input, so that the same input takes
// the same path.
class Random
{
public:
    explicit Random(quint32 seed) : m_State(seed | 1u) {}
    quint32 next();
    // From 1 to `limit`.
    int pieceSize(int limit) { return int(next() % quint32(limit)) + 1; }

private:
    quint32 m_State;
};

} // namespace FuzzSupport
