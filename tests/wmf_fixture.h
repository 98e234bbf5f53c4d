#pragma once

#include <QByteArray>
#include <QtEndian>
#include <initializer_list>
#include <vector>

namespace kinvarro::test {

// A small metafile written record by record.
class WmfBytes {
  public:
    void word(int value) {
        char bytes[2];
        qToLittleEndian<quint16>(quint16(value), bytes);
        body_.append(bytes, 2);
    }
    void doubleWord(quint32 value) {
        word(int(value & 0xFFFF));
        word(int(value >> 16));
    }
    /// A record of `function` with its parameter words.
    void record(int function, std::initializer_list<int> parameters) {
        record(function, std::vector<int>(parameters));
    }
    void record(int function, const std::vector<int> &parameters) {
        doubleWord(quint32(3 + parameters.size()));
        word(function);
        for (int p : parameters)
            word(p);
    }
    /// The placeable header for a picture of `width` x `height` units at
    /// `unitsPerInch`, the metafile header, the records and the end record.
    QByteArray placeable(int width, int height, int unitsPerInch) const {
        WmfBytes head;
        head.doubleWord(0x9AC6CDD7);
        const int fields[] = {0, 0, 0, width, height, unitsPerInch, 0, 0};
        for (int f : fields)
            head.word(f);
        quint16 sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= qFromLittleEndian<quint16>(head.body_.constData() + i);
        head.word(sum);
        return head.body_ + plain();
    }
    QByteArray plain() const {
        WmfBytes file;
        const int words = 9 + int(body_.size() / 2) + 3;
        file.word(1);
        file.word(9);
        file.word(0x0300);
        file.doubleWord(quint32(words));
        file.word(3);        // objects
        file.doubleWord(8);  // largest record
        file.word(0);
        return file.body_ + body_ + QByteArray("\x03\0\0\0\0\0", 6);
    }

  private:
    QByteArray body_;
};

// 100 x 50 units at 96 per inch: white, with a red rectangle in the left half.
inline QByteArray RedLeftHalf() {
    WmfBytes wmf;
    wmf.record(0x020B, {0, 0});                  // window origin
    wmf.record(0x020C, {50, 100});               // window extent (y, x)
    wmf.record(0x02FA, {5, 0, 0, 0, 0});         // null pen, object 0
    wmf.record(0x012D, {0});                     // select it
    wmf.record(0x02FC, {0, 0xFFFF, 0x00FF, 0});  // white brush, object 1
    wmf.record(0x012D, {1});
    wmf.record(0x041B, {50, 100, 0, 0});         // rectangle: bottom, right, top, left
    wmf.record(0x02FC, {0, 0x00FF, 0x0000, 0});  // red brush, object 2
    wmf.record(0x012D, {2});
    wmf.record(0x041B, {40, 50, 10, 0});
    return wmf.placeable(100, 50, 96);
}

}  // namespace kinvarro::test
