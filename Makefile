# Two commands matter: `make run` and `make test`. Both install the Debian
# packages the build needs when any are missing, then configure and build.

BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Build, test and run-time packages of Debian 12: the packaging tests check
# the installed files and the Debian package with desktop-file-utils to
# groff-base; the Wayland tests run a headless sway with grim and wtype;
# the full-screen tests also run under openbox; the check's reports are read
# with an HTML parser (python3-html5lib) and rendered by headless chromium;
# the GNOME tests run headless mutter and GNOME Shell with PipeWire for their
# screen casts (gstreamer, python3-gi), the KDE tests headless KWin with
# Breeze and its fake input (plasma-wayland-protocols, python3-dbus).
# The motion images' frames go through the X server's Present extension
# (libxcb-present-dev); their timing is tested under Weston's headless
# output against its own weston-presentation-shm (weston).
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-wayland libx11-dev \
            fonts-liberation2 libgtest-dev libgmock-dev libbenchmark-dev \
            xvfb xauth xdotool x11-apps x11-xserver-utils imagemagick \
            libxrandr-dev edid-decode \
            openbox mutter dbus-daemon x11-utils \
            qt6-svg-dev desktop-file-utils appstream dpkg-dev file groff-base \
            qt6-base-private-dev libwayland-dev wayland-protocols \
            sway grim wtype python3 openbox python3-html5lib chromium \
            gnome-shell pipewire wireplumber gstreamer1.0-pipewire gstreamer1.0-tools \
            gstreamer1.0-plugins-base gstreamer1.0-plugins-good wayland-utils python3-gi gir1.2-glib-2.0 \
            kwin-wayland kwin-style-breeze plasma-wayland-protocols python3-dbus \
            libxcb-present-dev weston

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench install package docs clean fuzz sanitize

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "Rasterwacht needs a desktop session (X11 or Wayland): no display was found."; \
	else \
	  ./$(BUILD_DIR)/rasterwacht; \
	fi

# Unit tests run on Qt's offscreen platform (also while ctest lists them);
# the end-to-end tests choose their own display.
test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j $(JOBS)

bench: build
	./$(BUILD_DIR)/rasterwacht-bench

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, written into the build folder:
# build/rasterwacht_<version>-1_<architecture>.deb
package: build
	cd $(BUILD_DIR) && cpack

# Renders the README's pictures into docs/ again; a test fails while they
# differ from what the renderer draws.
docs: build
	cmake --build $(BUILD_DIR) --target docs

clean:
	rm -rf $(BUILD_DIR)

# The fuzzers of the version reader and the EDID parser (clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer): each first runs every
# malformed sample once, then fuzzes FUZZ_SECONDS seeded from the good files.
FUZZ_SECONDS ?= 120
fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DRW_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS) --target fuzz_version fuzz_edid
	./build-fuzz/tests/fuzz_version tests/version/malformed/*
	mkdir -p build-fuzz/corpus
	./build-fuzz/tests/fuzz_version -max_total_time=$(FUZZ_SECONDS) -timeout=5 build-fuzz/corpus tests/version/corpus
	./build-fuzz/tests/fuzz_edid tests/edid/malformed/*
	mkdir -p build-fuzz/corpus-edid
	./build-fuzz/tests/fuzz_edid -max_total_time=$(FUZZ_SECONDS) -timeout=5 build-fuzz/corpus-edid tests/edid/corpus

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# built in its own folder. Leaks inside Qt's libraries are suppressed
# (tests/sanitize/lsan.supp); anything else fails the test that shows it.
# The soak test measures resident memory, so it runs without the quarantine
# in which the sanitizer holds freed blocks back. Stacks are unwound fully:
# the fast unwinder stops in C libraries built without frame pointers
# (libwayland-client), and Qt's leaks there would pass for ours.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_ASAN := allocator_may_return_null=1:detect_leaks=1:fast_unwind_on_malloc=0
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && $(SANITIZE_ENV) ASAN_OPTIONS=$(SANITIZE_ASAN) \
	  ctest --output-on-failure --timeout 900 -j $(JOBS) -E '^program\.soak_'
	cd build-sanitize && $(SANITIZE_ENV) ASAN_OPTIONS=$(SANITIZE_ASAN):quarantine_size_mb=0:thread_local_quarantine_size_kb=0 \
	  ctest --output-on-failure --timeout 900 -R '^program\.soak_'
