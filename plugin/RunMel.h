// The few helpers zubBase uses over the host API.
#pragma once

#include <maya/MStatus.h>
#include <maya/MString.h>

namespace zub {

// Runs MEL with echo off and undo off, so the change never enters the host's
// undo queue. Returns the host's status (failure after a MEL error, which the
// host has already shown).
MStatus runMel(const MString& text);

// `text` as a MEL string literal, double quotes included. Backslash, double
// quote, line feed, carriage return and tab are written as MEL escapes
// (\\ \" \n \r \t); MEL has no escape for other control characters, and they
// cannot end a literal, so they stand as they are. Whatever the text holds,
// the literal evaluates back to exactly that text and nothing in it runs.
MString melQuote(const MString& text);

}  // namespace zub
