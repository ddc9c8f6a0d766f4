#pragma once

// Tastwerk.ini of a learner of the fixture course (tests/data/programm): no
// introduction, no closing question, a lesson and a collective lesson
// chosen, a score, speech off.
inline const char *const FixtureSettings = "[Settings]\r\n"
                                           "ShowEinleitung=0\r\n"
                                           "CloseCheck=0\r\n"
                                           "Lernmaterial=Lernmaterial-1\r\n"
                                           "Bereich=Bereich 1\r\n"
                                           "LektionName=01 Woerter lesen.lek\r\n"
                                           "SammelName=Kurs.sam\r\n"
                                           "SammelNameIndex=0\r\n"
                                           "HighScore=17\r\n"
                                           "SapiSpeech.Stimme=\r\n";
