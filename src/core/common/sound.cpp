#include "common/sound.h"

#include <canberra.h>

#include <QFile>
#include <QFileInfo>

namespace {

// The event sound the desktop's sound theme plays where the file cannot be played.
constexpr char kFallbackEventSound[] = "bell";

// One context for the whole run: sounds play on after PlaySoundIfEnabled returns. Null when no
// sound system can be reached; then nothing is played.
ca_context* SoundContext() {
  static ca_context* const context = [] {
    ca_context* created = nullptr;
    if (ca_context_create(&created) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
    ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Velmora", nullptr);
    // Without sound device nodes only a sound server can play; asking the devices directly
    // would only fill the error output.
    if (!QFileInfo::exists(QStringLiteral("/dev/snd"))) ca_context_set_driver(created, "pulse");
    if (ca_context_open(created) != CA_SUCCESS) {
      ca_context_destroy(created);
      return static_cast<ca_context*>(nullptr);
    }
    return created;
  }();
  return context;
}

}  // namespace

void PlaySoundIfEnabled(const QString& wavFile, bool enabled) {
  if (!enabled) return;
  ca_context* context = SoundContext();
  if (!context) return;
  const QFileInfo info(wavFile);
  if (!wavFile.isEmpty() && info.isFile() && info.isReadable()) {
    const QByteArray path = QFile::encodeName(info.absoluteFilePath());
    if (ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, path.constData(), CA_PROP_MEDIA_ROLE,
                        "event", CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr) == CA_SUCCESS)
      return;
  }
  ca_context_play(context, 0, CA_PROP_EVENT_ID, kFallbackEventSound, CA_PROP_MEDIA_ROLE, "event",
                  nullptr);
}
