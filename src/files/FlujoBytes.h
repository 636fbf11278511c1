// A forward-only byte source over an open device, with the end-of-file test
// the graph reader's rules are written in: the end "has been reached" as soon
// as the last byte has been read, before any read fails.
#pragma once

#include <QByteArray>
#include <QIODevice>

class FlujoBytes {
public:
    explicit FlujoBytes(QIODevice& dispositivo) : dispositivo_(dispositivo) {}

    // True when no byte is left. A device that fails to read counts as ended.
    bool Fin();
    // The next byte; false when there is none (a read past the end).
    [[nodiscard]] bool Leer(char& c);

    // Walks one line, handing each byte before its end to alByte. A line ends
    // at CR LF, CR or LF, or at the end of the file; false when the file had
    // already ended, so there was no line to read.
    template <typename F> bool RecorrerLinea(F alByte);

private:
    QIODevice& dispositivo_;
    QByteArray bloque_;
    qsizetype pos_ = 0;
};

template <typename F> bool FlujoBytes::RecorrerLinea(F alByte)
{
    if (Fin())
        return false;
    char c = 0;
    while (Leer(c)) {
        if (c == '\n')
            return true;
        if (c == '\r') {
            if (!Fin() && bloque_[pos_] == '\n')
                ++pos_;
            return true;
        }
        alByte(c);
    }
    return true;
}
