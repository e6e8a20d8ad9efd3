# SPDX-License-Identifier: GPL-3.0-or-later
# Read by ctest: a name that is not there (a part left out) is passed over.
set_tests_properties(desktop-e2e keyboard-e2e-win keyboard-e2e-lose screen-fit-e2e
                     accessibility-e2e screen-reader-e2e wayland
                     PROPERTIES LABELS gui)
set_tests_properties(damaged-cues-e2e PROPERTIES LABELS "gui;slow")
set_tests_properties(package PROPERTIES LABELS "package;slow")
set_tests_properties(sound-server-soak PROPERTIES LABELS "gui;slow")
set_tests_properties(soak sim-matches-model faults-files faults-kill faults-sounds faults-shared
                     faults-io faults-locks faults-race cue-listing-fault naming
                     PROPERTIES LABELS slow)
