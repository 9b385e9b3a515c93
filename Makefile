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
FUZZ_BUILD ?= build-fuzz
# Runs per fuzz target in `make test`, and seconds per target in `make fuzz`.
FUZZ_RUNS ?= 20000
FUZZ_TIME ?= 300

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
	$(MAKE) --no-print-directory test-fuzz

# The unit tests again (engine, post-processing, tools and the GUI's plain logic),
# under AddressSanitizer and UBSan; the end-to-end tests run in the normal build.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSORENIX_SANITIZE=ON \
	  -DSORENIX_GUI=ON -DSORENIX_DATA=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -L 'engine|seni|tools|app|ui|pad|keyboards|dialogs'

# Accuracy and speed of recognition on distorted samples (not part of `make test`).
bench: build
	bench/accuracy.sh $(BUILD) $(BENCH_ARGS)

# The libFuzzer targets (clang, AddressSanitizer and UBSan): pen data through
# recognition and dictionary bytes through the loaders. Corpora stay in $(FUZZ_BUILD).
.PHONY: fuzz-build test-fuzz fuzz bench-speed
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORENIX_FUZZ=ON -DSORENIX_TESTS=OFF -DSORENIX_GUI=OFF \
	  -DSORENIX_DATA=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_recognize fuzz_dictionary
	mkdir -p $(FUZZ_BUILD)/corpus/recognize $(FUZZ_BUILD)/corpus/dictionary $(FUZZ_BUILD)/artifacts

FUZZ_RECOGNIZE = $(FUZZ_BUILD)/tests/fuzz/fuzz_recognize $(FUZZ_BUILD)/corpus/recognize \
  -max_len=12000 -len_control=0 -artifact_prefix=$(FUZZ_BUILD)/artifacts/
FUZZ_DICTIONARY = $(FUZZ_BUILD)/tests/fuzz/fuzz_dictionary $(FUZZ_BUILD)/corpus/dictionary \
  -max_len=4096 -len_control=0 -artifact_prefix=$(FUZZ_BUILD)/artifacts/

test-fuzz: fuzz-build
	$(FUZZ_RECOGNIZE) -runs=$(FUZZ_RUNS) > $(FUZZ_BUILD)/recognize.log 2>&1 || \
	  { tail -n 60 $(FUZZ_BUILD)/recognize.log; exit 1; }
	@echo "fuzz_recognize: $$(grep -E '^Done' $(FUZZ_BUILD)/recognize.log)"
	$(FUZZ_DICTIONARY) -runs=$(FUZZ_RUNS) > $(FUZZ_BUILD)/dictionary.log 2>&1 || \
	  { tail -n 60 $(FUZZ_BUILD)/dictionary.log; exit 1; }
	@echo "fuzz_dictionary: $$(grep -E '^Done' $(FUZZ_BUILD)/dictionary.log)"

fuzz: fuzz-build
	$(FUZZ_RECOGNIZE) -max_total_time=$(FUZZ_TIME)
	$(FUZZ_DICTIONARY) -max_total_time=$(FUZZ_TIME)

# Time of ZkCRecognize per character against a synthetic dictionary of 6000
# patterns (not part of `make test`); SPEED_ARGS="--dic PATH" uses another one.
SPEED_ARGS ?=
bench-speed: build
	$(BUILD)/bench/recog_speed $(SPEED_ARGS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
