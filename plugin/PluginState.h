// Everything of zubBase that outlives one command call. One instance,
// `pluginState`, with static storage: built when the library is loaded and
// destroyed when it is unloaded. Commands, the idle callback and the OSC
// listener all run on the host's main thread and use the fields directly.
#pragma once

#include <maya/MFnMesh.h>
#include <maya/MMessage.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

#include <memory>
#include <string>

class ExamplePacketListener;
class UdpListeningReceiveSocket;

constexpr int kTokenSlots = 10;         // mapping positions 0..9
constexpr int kDefaultOscPort = 57110;  // overridden by ZUBBASE_OSC_PORT

struct PluginState {
  PluginState();
  ~PluginState();
  PluginState(const PluginState&) = delete;
  PluginState& operator=(const PluginState&) = delete;

  // Constructed in this order, destroyed in reverse; the socket goes first.
  MFnMesh hiderMesh;
  MFnMesh hiddenMesh;
  MString tokenSeparator;
  MObject oscNode;
  MString tokenAttributes[kTokenSlots];
  MString imageFileName;

  bool oscEnabled = false;
  MCallbackId idleCallbackId = 0;
  double tokenFactors[kTokenSlots] = {};
  double hiderRadius = 0.0;
  bool hiderPicked = false;
  bool hiddenPicked = false;
  double imageScale = 0.0;

  // The listener outlives the socket that refers to it. Never null.
  std::unique_ptr<ExamplePacketListener> oscListener;
  // Null when the socket could not be created or bound; `socketError` then
  // says why and initializePlugin refuses to load.
  std::unique_ptr<UdpListeningReceiveSocket> oscSocket;
  int oscPort = kDefaultOscPort;
  std::string socketError;
};

extern PluginState pluginState;
