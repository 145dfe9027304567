#pragma once

namespace quorvix {

struct Settings;
class LineOutput;

// Writes the generated part of a new config: the banner and one section per
// topic, in this order. Lines only; the caller owns, flushes and closes the
// output. Throws FileError when the output fails.
void WriteConfig(const Settings& settings, LineOutput& out);

void WriteBanner(const Settings& settings, LineOutput& out);
void WriteNetSection(const Settings& settings, LineOutput& out);
void WriteVideoSection(const Settings& settings, LineOutput& out);
void WriteSoundSection(const Settings& settings, LineOutput& out);
void WriteVoiceSection(const Settings& settings, LineOutput& out);
void WriteMouseSection(const Settings& settings, LineOutput& out);
void WriteConsoleSection(const Settings& settings, LineOutput& out);
void WriteHudSection(const Settings& settings, LineOutput& out);
void WriteNetgraphSection(const Settings& settings, LineOutput& out);
void WriteViolenceSection(const Settings& settings, LineOutput& out);
void WriteSetinfoSection(const Settings& settings, LineOutput& out);

} // namespace quorvix
