// Placeholder unit so the plug-in library has a body until the plug-in object exists.
namespace kravo { int pluginLibraryVersion() { return 1; } }
