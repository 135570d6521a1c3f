// Marks API members that are kept for old plug-ins; calling one warns.
#ifndef _MDeprecate
#define _MDeprecate

#define OPENMAYA_DEPRECATED(VERSION, MESSAGE) [[deprecated(MESSAGE)]]

#endif
