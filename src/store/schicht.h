#pragma once

// The store is reached through the services in app: windows and the command
// line link app only, and app links the store privately, so they never get
// this definition and a store header in their code does not compile.
#ifndef LEXOVITA_SCHICHT_STORE
#error "store-Header nur in store, app und Tests: Fenster und Kommandozeile nutzen die Dienste in app."
#endif
