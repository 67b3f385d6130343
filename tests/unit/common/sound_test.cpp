#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "common/sound.h"

namespace {

// A WAV file of 0.2 s silence: RIFF header, "fmt " chunk (PCM, mono, 8 kHz, 8 bit), "data".
QByteArray SilentWav() {
  const quint32 samples = 1600;
  QByteArray wav;
  const auto u32 = [&wav](quint32 v) { for (int i = 0; i < 4; ++i) wav += char((v >> (8 * i)) & 0xFF); };
  const auto u16 = [&wav](quint16 v) { wav += char(v & 0xFF); wav += char(v >> 8); };
  wav += "RIFF"; u32(36 + samples); wav += "WAVE";
  wav += "fmt "; u32(16); u16(1); u16(1); u32(8000); u32(8000); u16(1); u16(8);
  wav += "data"; u32(samples); wav += QByteArray(samples, char(0x80));
  return wav;
}

TEST(APlayedSound, returnsAtOnceWhateverTheFileOrSoundDevice) {
  QTemporaryDir dir;
  const QString good = dir.filePath("stille.wav");
  const QString broken = dir.filePath("kaputt.wav");
  {
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(SilentWav());
    QFile other(broken);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("kein Klang");
  }
  for (const QString& wav : {good, broken, dir.filePath("fehlt.wav"), QString()}) {
    for (bool enabled : {true, false}) {
      QElapsedTimer timer;
      timer.start();
      PlaySoundIfEnabled(wav, enabled);
      EXPECT_LT(timer.elapsed(), 3000) << wav.toStdString();
    }
  }
}

}  // namespace
