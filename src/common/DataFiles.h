#pragma once

// The files the program reads from its data folder; the build makes them (assets/).
namespace DataFile {

inline constexpr char icon[] = "horloge.ico";
inline constexpr char clockFace[] = "Horloge.bmp";
inline constexpr char alarmBell[] = "CLOCHE.BMP";
inline constexpr char chime[] = "ding.wav";
inline constexpr char alarmSound[] = "alarme1.wav";
inline constexpr char help[] = "Aidez-moi.doc";

inline constexpr const char* all[] = {icon, clockFace, alarmBell, chime, alarmSound, help};

} // namespace DataFile
