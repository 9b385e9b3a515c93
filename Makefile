# sorenix: the commands of README. `make run` and `make test` first install what
# is missing (tools/install-deps.sh), so a fresh Debian 12 clone needs nothing else.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
# Installed data goes into a prefix inside the build tree unless PREFIX is given
# (for example `make install PREFIX=/usr/local`).
PREFIX ?= $(abspath $(BUILD))/prefix
CMAKE_FLAGS ?=
# Options of the sample generator for `make bench` (for example --classes kanji --kanji-stride 4).
BENCH_ARGS ?=

.PHONY: all deps configure build install run test test-asan bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

install: build
	cmake --install $(BUILD)

run: install
	@test -n "$$DISPLAY" || { echo "make run: no X display (DISPLAY is not set)" >&2; exit 1; }
	$(PREFIX)/bin/sorenix

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	$(MAKE) --no-print-directory test-asan

# The engine and post-processing tests again, under AddressSanitizer and UBSan.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSORENIX_SANITIZE=ON \
	  -DSORENIX_GUI=OFF -DSORENIX_DATA=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -L 'engine|seni|tools'

# Accuracy and speed of recognition on distorted samples (not part of `make test`).
bench: build
	bench/accuracy.sh $(BUILD) $(BENCH_ARGS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
