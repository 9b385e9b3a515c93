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
# `make deb` builds the Debian package there (a build with the prefix /usr).
DEB_BUILD ?= build-deb
# Runs per fuzz target in `make test`, and seconds per target in `make fuzz`.
FUZZ_RUNS ?= 20000
FUZZ_TIME ?= 600

.PHONY: all deps configure build install uninstall run test test-asan bench deb clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) -DSORENIX_DEB_DIR=$(abspath $(DEB_BUILD)) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

install: build
	cmake --install $(BUILD)

# Removes what `make install` put into the prefix (the list cmake --install wrote),
# and the directories that became empty by it.
uninstall:
	tools/uninstall.sh $(BUILD)

# The Debian package sorenix_<version>_<arch>.deb, in $(DEB_BUILD).
deb: deps
	cmake -S . -B $(DEB_BUILD) -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=Release \
	  -DSORENIX_TESTS=OFF -DSORENIX_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(DEB_BUILD) -j$(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB
	@ls $(DEB_BUILD)/sorenix_*.deb

run: install
	@test -n "$$DISPLAY" || { echo "make run: no X display (DISPLAY is not set)" >&2; exit 1; }
	$(PREFIX)/bin/sorenix

test: build deb
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

# The libFuzzer targets (clang, AddressSanitizer and UBSan), one per reader of outside
# data. Each starts from its committed seeds in tests/fuzz/corpus/<name>; what it finds
# stays in $(FUZZ_BUILD)/corpus/<name>.
.PHONY: fuzz-build test-fuzz fuzz bench-speed bench-rows
FUZZ_TARGETS = recognize dictionary seni settings assign zkrecog_line help learn
# Longest input per target.
FUZZ_MAX_LEN_recognize = 12000
FUZZ_MAX_LEN_dictionary = 4096
FUZZ_MAX_LEN_seni = 4096
FUZZ_MAX_LEN_settings = 2048
FUZZ_MAX_LEN_assign = 1024
FUZZ_MAX_LEN_zkrecog_line = 4096
FUZZ_MAX_LEN_help = 8192
FUZZ_MAX_LEN_learn = 8192
# The transition table's loader sets up its full-size tables on every run (about 70
# runs a second under the sanitizers): fewer runs in `make test`.
FUZZ_RUNS_seni ?= 3000
FUZZ_RUNS_help ?= 5000

fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORENIX_FUZZ=ON -DSORENIX_TESTS=OFF -DSORENIX_GUI=OFF \
	  -DSORENIX_DATA=OFF $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	mkdir -p $(addprefix $(FUZZ_BUILD)/corpus/,$(FUZZ_TARGETS)) $(FUZZ_BUILD)/artifacts

# fuzz_run(target, limit): one target with its working corpus and its seeds.
fuzz_run = $(FUZZ_BUILD)/tests/fuzz/fuzz_$(1) $(FUZZ_BUILD)/corpus/$(1) tests/fuzz/corpus/$(1) \
  -max_len=$(FUZZ_MAX_LEN_$(1)) -len_control=0 -artifact_prefix=$(FUZZ_BUILD)/artifacts/ $(2)

test-fuzz: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call fuzz_run,$(t),-runs=$(or $(FUZZ_RUNS_$(t)),$(FUZZ_RUNS))) > $(FUZZ_BUILD)/$(t).log 2>&1 || \
	  { tail -n 60 $(FUZZ_BUILD)/$(t).log; exit 1; }; \
	  echo "fuzz_$(t): $$(grep -E '^Done' $(FUZZ_BUILD)/$(t).log)";)

fuzz: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call fuzz_run,$(t),-max_total_time=$(FUZZ_TIME)) > $(FUZZ_BUILD)/$(t)-long.log 2>&1 || \
	  { tail -n 60 $(FUZZ_BUILD)/$(t)-long.log; exit 1; }; \
	  echo "fuzz_$(t): $$(grep -E '^Done|cov:' $(FUZZ_BUILD)/$(t)-long.log | tail -n 2 | tr '\n' ' ')";)

# Time of ZkCRecognize per character against a synthetic dictionary of 6000
# patterns (not part of `make test`); SPEED_ARGS="--dic PATH" uses another one.
SPEED_ARGS ?=
bench-speed: build
	$(BUILD)/bench/recog_speed $(SPEED_ARGS)

# Free writing across the screen, read through the pad's frame and segmentation
# (bench/free_rows.sh; ROWS_ARGS passes zkbench-rows options, e.g. --samples 8).
ROWS_ARGS ?=
bench-rows: build
	bench/free_rows.sh $(BUILD) $(ROWS_ARGS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
