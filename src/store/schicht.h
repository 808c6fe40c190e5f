#pragma once

// The store is reached through the services in app: windows and the command
// line link app only, and app links the store privately, so they never get
// this definition and a store header in their code does not compile.
#ifndef LEXOVITA_SCHICHT_STORE
#error                                                                                                                 \
    "Ein store-Header ist nur für store, app und die Tests da: Fenster und Kommandozeile gehen über die Dienste in app."
#endif
